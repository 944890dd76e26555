# Who may include whom (docs/ontwerp.md): fails, naming file and line, when a file includes
# what its layer must not see. Run with -D BRON=<the src folder>.
set(fouten "")
function(verbied map patroon_bestand verboden waarom)
  file(GLOB_RECURSE bestanden "${BRON}/${map}/${patroon_bestand}")
  foreach(bestand ${bestanden})
    if(map STREQUAL "ui" AND bestand MATCHES "/ui/(qt|headless_controls)")
      continue()  # the window and the headless controls are layers of their own
    endif()
    file(STRINGS "${bestand}" regels REGEX "^#include")
    foreach(regel ${regels})
      if(regel MATCHES "${verboden}")
        set(fouten "${fouten}\n${bestand}: ${regel} (${waarom})")
      endif()
    endforeach()
  endforeach()
  set(fouten "${fouten}" PARENT_SCOPE)
endfunction()

foreach(kern board solver modules uitleg ui)
  verbied(${kern} "*.[ch]*" "<Q|\"cli/|\"ui/qt/|headless_controls|sudoku_venster" "the core knows no window and no front end")
endforeach()
verbied(uitleg "*.[ch]*" "board/sudoku_form.h" "the explanation never sees the form's fields")
verbied(cli "*.[ch]*" "<Q|sudoku_venster" "the command line has no window")
verbied(ui/qt "*.[ch]*" "\"cli/|headless_controls" "the window is a front end of its own")

if(fouten)
  message(FATAL_ERROR "Includes across the layers:${fouten}")
endif()
