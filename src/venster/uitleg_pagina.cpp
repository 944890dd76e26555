#include "uitleg_pagina.h"

namespace sudoku {

const char* uitlegPagina() {
    return R"(<h2>Sudoku Blad</h2>
<p>Het programma vult een Sudoku van 9 × 9 vakjes zoals een mens dat doet: getal voor getal,
en bij elk getal met een reden. Links staan de knoppen en de opties, rechts het bord.</p>

<h3>De knoppen</h3>
<ul>
<li><b>Invoer</b> maakt het bord leeg; typ de gegeven getallen in de vakjes (Tab gaat blok voor
blok verder).</li>
<li><b>Bevestig</b> neemt de vakjes over: een cijfer 1 tot 9 is een gegeven getal, een leeg vakje,
0 of een punt een lege cel. Een ander teken wordt geweigerd en de cursor gaat naar dat vakje.</li>
<li><b>Start</b> lost de puzzel op. Gegeven getallen worden grijs, gevonden getallen krijgen de
gewone tekstkleur; de regel "Opmerking" zegt hoe het afliep.</li>
<li><b>Herstart</b> laadt de puzzel opnieuw uit het bestand, zodat u nog eens kunt beginnen.</li>
</ul>

<h3>De opties</h3>
<ul>
<li><b>weergave tussenstappen</b>: elk gevonden getal wordt gemeld in een venstertje naast het bord.
Het nieuwe getal staat rood, en de rij, kolom of het blok dat het getal afdwingt krijgt een lichte
achtergrond. OK, Enter of spatie gaat door; Escape stopt de meldingen en de oplossing loopt door
tot het eind.</li>
<li><b>weergave modules</b>: de regel "Opmerking" noemt de techniek die aan het werk is.</li>
<li><b>uitproberen toestaan</b>: als geen techniek meer helpt, mag het programma gokken.</li>
</ul>

<h3>De technieken, van eenvoudig naar zwaar</h3>
<p>Elke techniek heeft één naam; de uitleg bij een stap begint ermee. Tussen haakjes staat wat de
regel "Opmerking" toont bij "weergave modules". Een vak heet kort r3k7 (rij 3, kolom 7). Elke ronde probeert het programma eerst de gewone technieken, in deze
volgorde:</p>
<ol>
<li><b>Kruisen langs de rijen</b> en <b>langs de kolommen</b> (Module BLOKLIJNEN): staat een cijfer al in twee van de
drie rijen van een band (of twee van de drie kolommen), dan moet het in de derde, en wel in het
blok waar het nog ontbreekt. Kan het daar maar op één plek, dan komt het daar.</li>
<li><b>Verborgen enkeling in rij</b>, <b>in kolom</b> (Module LIJNEN): een cijfer dat in een rij of kolom ontbreekt
en daar nog maar op één plek kan staan, komt op die plek.</li>
<li><b>Verborgen enkeling in blok</b> (Module BLOKKEN): hetzelfde voor een blok van 3 × 3.</li>
<li><b>Naakte enkeling</b> (Module CEL): een leeg vak waar acht van de negen cijfers al in de rij, kolom of het
blok staan, krijgt het negende: de enige kandidaat.</li>
</ol>
<p>Loopt dat vast, dan gaat het programma kandidaten wegstrepen, zoals u dat met potlood doet, en
probeert het de technieken opnieuw ("na wegstrepen", "na naakt paar", ...):</p>
<ul>
<li><b>Aanwijzend paar</b>: kan een cijfer in een blok alleen nog in twee vakken van één rij of
kolom, dan streept u het weg in de rest van die rij of kolom.</li>
<li><b>Opeisen</b>: kan een cijfer in een rij of kolom alleen nog in één blok, dan streept u het
weg in de rest van dat blok.</li>
<li><b>Naakt paar</b> (Module Naked Pair): twee vakken van een rij of kolom die samen alleen dezelfde twee kandidaten
hebben, nemen die twee cijfers in; in de andere vakken streept u ze weg.</li>
<li><b>Naakt drietal</b> (Module Naked Triple): drie vakken van een rij, kolom of blok met samen alleen dezelfde drie
kandidaten nemen die drie in. Een bijzonder geval is het <b>naakt drietal van drie paren</b>: drie
vakken van een rij of kolom met elk twee van de drie cijfers.</li>
<li><b>Gok</b> (Module Uitproberen, alleen met "uitproberen toestaan"): vindt geen techniek nog een getal, dan wordt in
een blok met twee lege vakken het kleinste ontbrekende cijfer geprobeerd. Kan daarna een cijfer in
een blok nergens meer, dan was de gok fout en wordt hij ongedaan gemaakt: het bord gaat terug naar
hoe het voor de gok stond en het vak krijgt het andere cijfer (<b>herstel na een mislukte gok</b>, "Fout hersteld na mislukte gok").</li>
</ul>
<p>Wat u hebt weggestreept, blijft weggestreept, ook als het programma zijn eigen tabel leegmaakt;
alleen een mislukte gok geeft terug wat na de stap van voor de gok is weggestreept.</p>

<h3>Het niveau</h3>
<p>Het niveau van een puzzel is de hoogste trap die een getal nodig had: <i>basis</i> (alleen de
gewone technieken), <i>uitzonderingstabel</i> (na wegstrepen), <i>naked</i> (na een naakt paar
of drietal) of <i>gok</i>. Een puzzel die
niet helemaal opgelost werd, is <i>onopgelost</i>.</p>

<h3>Menu's en toetsen</h3>
<ul>
<li><b>Bestand</b>: Openen… (Ctrl+O) laadt een puzzelbestand, Plakken (Ctrl+V) zet een puzzel van het
klembord in de vakjes, Kopiëren (Ctrl+C) zet het bord als 81 tekens op het klembord (een punt is
leeg), Afsluiten (Ctrl+Q).</li>
<li><b>Oplossing</b>: Verslag… (F2) toont de laatste oplossing stap voor stap, met het niveau, of de
puzzel uniek is en hoe vaak elke techniek een getal plaatste. Vorige, Volgende, de pijltjestoetsen,
Home en End lopen door de stappen en de uitsluitingen die iets wegstrepen; uitsluitingen die niets
nieuws wegstrepen staan samen op één regel, die Enter openklapt. Stappen onder een gok zijn
gestippeld omlijnd. Het kleine bord toont het bord na de gekozen regel met de vakjes van het bewijs
omkaderd, eronder staat waarom, en Kandidaten toont de potloodcijfers. Tip (F3) helpt bij de
volgende stap voor het bord zoals het nu staat, ook tijdens Invoer, zonder iets in te vullen: eerst
waar u moet kijken, met Meer hulp (of nog eens F3) het vak en het cijfer, en daarna de hele
uitleg.
Controleer puzzel telt de oplossingen van het bord (tijdens Invoer: van de getypte vakjes).</li>
<li><b>Help</b>: Uitleg (F1) is deze pagina; Over Sudoku Blad noemt de versie.</li>
</ul>
)";
}

}  // namespace sudoku
