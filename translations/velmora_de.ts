<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../src/window/common/Artwork.cpp" line="+16"/>
        <source>1st 12</source>
        <translation>P12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd 12</source>
        <translation>M12</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd 12</source>
        <translation>D12</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EVEN</source>
        <translation>PAIR</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ODD</source>
        <translation>IMPAIR</translation>
    </message>
    <message>
        <location filename="../src/window/common/BoardArtwork.cpp" line="+108"/>
        <source>2 to 1</source>
        <translation>2 zu 1</translation>
    </message>
</context>
<context>
    <name>AutoplayUnit</name>
    <message>
        <location filename="../src/window/autoplay/AutoplayUnit.cpp" line="+19"/>
        <source>&amp;Autoplay...</source>
        <translation>&amp;Automatisch spielen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop autoplay</source>
        <translation>Automatisches Spiel beenden</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Place a bet on the layout before starting autoplay.</source>
        <translation>Setzen Sie auf das Tableau, bevor Sie automatisch spielen lassen.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Autoplay stopped before this spin.</source>
        <translation>Das automatische Spiel endete vor diesem Coup.</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <location filename="../src/window/board/BoardTable.cpp" line="+116"/>
        <source>Placing the layout stopped there.</source>
        <translation>Das Legen des Satzes endete hier.</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <location filename="../src/window/common/Charts.cpp" line="+12"/>
        <source>The chart cannot be shown: the chart module of Velmora could not be loaded.</source>
        <translation>Das Diagramm kann nicht gezeigt werden: Velmoras Diagrammmodul ließ sich nicht laden.</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <location filename="../src/window/board/ControlHelp.cpp" line="+43"/>
        <source>Cover: the number Neighb, Finals, Figure, Oppos, Qtr + and Qtr - are placed from.
Pick or type 0 to 36; every spin writes its winning number here.</source>
        <translation>Zahl: die Zahl, von der Voisins, Finales, Figur, Gegenüber, Viertel + und Viertel - ausgehen.
Wählen oder tippen Sie 0 bis 36; jeder Coup schreibt seine Gewinnzahl hierher.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Either Side: how many neighbours on each side Neighb, Oppos, Qtr + and Qtr - take.
Pick 1 to 6 or type another count.</source>
        <translation>Nachbarn: wie viele Nachbarn je Seite Voisins, Gegenüber, Viertel + und Viertel - nehmen.
Wählen Sie 1 bis 6 oder tippen Sie eine andere Anzahl.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Betting layout</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press a number, line or corner to stake the selected chip there</source>
        <translation>Klicken Sie eine Zahl, Linie oder Ecke, um den gewählten Jeton dort zu setzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wheel</source>
        <translation>Kessel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wheel seen from above, numbers clockwise from 0 at the top: %1</source>
        <translation>Der Kessel von oben, Zahlen im Uhrzeigersinn ab der 0 oben: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ball</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin the wheel: the ball stops in a drawn pocket and the stakes are settled</source>
        <translation>Den Kessel drehen: Die Kugel fällt in ein gezogenes Fach, die Einsätze werden abgerechnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the table (you are asked first)</source>
        <translation>Den Tisch verlassen (nach Rückfrage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the help page</source>
        <translation>Die Hilfeseite öffnen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 chip</source>
        <translation>Jeton zu %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A chip worth %1</source>
        <translation>Ein Jeton zu %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 table</source>
        <translation>Tisch %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Chip on %1</source>
        <translation>Jeton auf %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A press adds the selected chip, a right press takes the chip&apos;s value off</source>
        <translation>Ein Klick legt den gewählten Jeton dazu, ein Rechtsklick nimmt seinen Wert weg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stake on %1</source>
        <translation>Einsatz auf %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Last number 1, the latest</source>
        <translation>Letzte Zahl 1, die neueste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last number %1</source>
        <translation>Letzte Zahl %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1; %2 staked</source>
        <translation>%1; %2 gesetzt</translation>
    </message>
</context>
<context>
    <name>CroupierCall</name>
    <message>
        <location filename="../src/window/common/TableTexts.cpp" line="+129"/>
        <source>No more bets</source>
        <translation>Nichts geht mehr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, odd, low</source>
        <translation>%1, rot, ungerade, manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, odd, high</source>
        <translation>%1, rot, ungerade, passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, even, low</source>
        <translation>%1, rot, gerade, manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, even, high</source>
        <translation>%1, rot, gerade, passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, odd, low</source>
        <translation>%1, schwarz, ungerade, manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, odd, high</source>
        <translation>%1, schwarz, ungerade, passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, even, low</source>
        <translation>%1, schwarz, gerade, manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, even, high</source>
        <translation>%1, schwarz, gerade, passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, and %2</source>
        <translation>%1, und %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 by %2</source>
        <translation>%1 zu %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and the neighbours</source>
        <translation>%1 mit Nachbarn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and 1 neighbour</source>
        <translation>%1 und ein Nachbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2 neighbours</source>
        <translation>%1 und %2 Nachbarn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finale %1</source>
        <translation>Finale %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eleven</source>
        <translation>Elf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twelve</source>
        <translation>Zwölf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirteen</source>
        <translation>Dreizehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fourteen</source>
        <translation>Vierzehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fifteen</source>
        <translation>Fünfzehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sixteen</source>
        <translation>Sechzehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seventeen</source>
        <translation>Siebzehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eighteen</source>
        <translation>Achtzehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nineteen</source>
        <translation>Neunzehn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty</source>
        <translation>Zwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-one</source>
        <translation>Einundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-two</source>
        <translation>Zweiundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-three</source>
        <translation>Dreiundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-four</source>
        <translation>Vierundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-five</source>
        <translation>Fünfundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-six</source>
        <translation>Sechsundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-seven</source>
        <translation>Siebenundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-eight</source>
        <translation>Achtundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-nine</source>
        <translation>Neunundzwanzig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty</source>
        <translation>Dreißig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-one</source>
        <translation>Einunddreißig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-two</source>
        <translation>Zweiunddreißig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-three</source>
        <translation>Dreiunddreißig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-four</source>
        <translation>Vierunddreißig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-five</source>
        <translation>Fünfunddreißig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-six</source>
        <translation>Sechsunddreißig</translation>
    </message>
</context>
<context>
    <name>DataStore</name>
    <message>
        <location filename="../src/window/common/DataStore.cpp" line="+87"/>
        <source>its folder %1 could not be made</source>
        <translation>sein Ordner %1 ließ sich nicht anlegen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the unreadable file could not be moved aside</source>
        <translation>die unlesbare Datei ließ sich nicht beiseitelegen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Velmora could not save its %1 in %2 (%3), so it keeps them and saves them with your next change.</source>
        <translation>Velmora konnte seine %1 nicht in %2 speichern (%3); es behält sie und speichert sie mit Ihrer nächsten Änderung.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Velmora could not read its %1 in %2 and goes on without it.</source>
        <translation>Velmora konnte seine %1 in %2 nicht lesen und macht ohne sie weiter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Velmora could not read its %1, so it moved the file to %2 and starts afresh.</source>
        <translation>Velmora konnte seine %1 nicht lesen, hat die Datei nach %2 verschoben und beginnt neu.</translation>
    </message>
    <message>
        <location filename="../src/window/common/FileLock.cpp" line="+33"/>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
</context>
<context>
    <name>DrillsUnit</name>
    <message>
        <location filename="../src/window/practice/DrillsUnit.cpp" line="+21"/>
        <source>&amp;Place it</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Name it</source>
        <translation>&amp;Benennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pa&amp;y it</source>
        <translation>A&amp;uszahlen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hear it</source>
        <translation>&amp;Hören</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>practice progress</source>
        <translation>Übungsfortschritte</translation>
    </message>
    <message>
        <location filename="../src/window/practice/DrillTasks.cpp" line="+57"/>
        <source>Place %1 at %2.</source>
        <translation>Setzen Sie %1 zu %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Which bet lies on the layout, at %1?</source>
        <translation>Welcher Satz liegt auf dem Tableau, zu %1?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. What is paid?</source>
        <translation>%1. Was wird ausgezahlt?</translation>
    </message>
    <message>
        <location filename="../src/window/practice/HearTasks.cpp" line="+13"/>
        <source>Listen to the call and place it.</source>
        <translation>Hören Sie die Ansage und setzen Sie sie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No voice speaks here, so the call is written above: place it as read.</source>
        <translation>Hier spricht keine Stimme, darum steht die Ansage oben: Setzen Sie sie wie gelesen.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../src/window/help/HelpViewer.cpp" line="+23"/>
        <source>Velmora Help</source>
        <translation>Velmora-Hilfe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Help file not found: %1</source>
        <translation>Hilfedatei nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Velmora.html</source>
        <extracomment>The help page&apos;s file name in this language, as installed: Velmora.&lt;language&gt;.html</extracomment>
        <translation>Velmora.de.html</translation>
    </message>
</context>
<context>
    <name>LayoutsUnit</name>
    <message>
        <location filename="../src/window/layouts/LayoutsUnit.cpp" line="+30"/>
        <source>La&amp;youts</source>
        <translation>Gespeicherte &amp;Sätze</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;layout...</source>
        <translation>Satz &amp;speichern...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Manage layouts...</source>
        <translation>Sätze &amp;verwalten...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>saved layouts</source>
        <translation>gespeicherten Sätze</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There is no stake on the table to save as a layout.</source>
        <translation>Es liegt kein Einsatz auf dem Tisch, der als Satz gespeichert werden könnte.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layout %1</source>
        <translation>Satz %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layout name:</source>
        <translation>Name des Satzes:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/window/board/MainWindow.cpp" line="+27"/>
        <source>&amp;Table</source>
        <translation>&amp;Tisch</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Practice</source>
        <translation>Ü&amp;bung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
</context>
<context>
    <name>RacetrackUnit</name>
    <message>
        <location filename="../src/window/racetrack/RacetrackUnit.cpp" line="+28"/>
        <source>&amp;Racetrack</source>
        <translation>&amp;Kesselfeld</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/window/common/SettingsFile.cpp" line="+45"/>
        <source>Velmora could not read its window settings in %1 and uses its defaults.</source>
        <translation>Velmora konnte seine Fenstereinstellungen in %1 nicht lesen und nimmt die Vorgaben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Velmora could not read its window settings, so it moved the file to %1 and uses its defaults.</source>
        <translation>Velmora konnte seine Fenstereinstellungen nicht lesen, hat die Datei nach %1 verschoben und nimmt die Vorgaben.</translation>
    </message>
</context>
<context>
    <name>SoundUnit</name>
    <message>
        <location filename="../src/window/sound/SoundUnit.cpp" line="+20"/>
        <source>No voice: install qt6-speech-speechd-plugin, speech-dispatcher and espeak-ng (%1), then start Velmora again.</source>
        <translation>Keine Stimme: Installieren Sie qt6-speech-speechd-plugin, speech-dispatcher und espeak-ng (%1) und starten Sie Velmora neu.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>en</source>
        <extracomment>This translation&apos;s language code, for the croupier&apos;s voice: fr, de</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Croupier&apos;s voice</source>
        <translation>Stimme des Croupiers</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Configure Velmora...</source>
        <translation>Velmora einrichten...</translation>
    </message>
</context>
<context>
    <name>StrategyUnit</name>
    <message>
        <location filename="../src/window/strategy/StrategyUnit.cpp" line="+13"/>
        <source>Strategy &amp;tester</source>
        <translation>&amp;Strategietester</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Place some chips first: the tester plays the stakes lying on the table.</source>
        <translation>Setzen Sie zuerst Jetons: Der Tester spielt die Einsätze, die auf dem Tisch liegen.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../src/window/common/TableTexts.cpp" line="-162"/>
        <source>Bets must be in multiples of %1</source>
        <translation>Einsätze nur in Vielfachen von%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum bet allowed is %1</source>
        <translation>Höchsteinsatz:%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum bet allowed is %1</source>
        <translation>Mindesteinsatz:%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2, %3 either side</source>
        <translation>%1 von %2, %3 auf jeder Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2: %3</source>
        <translation>%1 zu %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>places nothing: %1</source>
        <translation>setzt nichts: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is out of range</source>
        <translation>„%1“ liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an either-side count of %1 is more than this bet takes (%2)</source>
        <translation>%1 Nachbarn je Seite sind mehr, als dieser Satz nimmt (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an either-side count of %1 covers no pocket</source>
        <translation>%1 Nachbarn je Seite decken kein Fach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no last digit from 0 to 9</source>
        <translation>%1 hat keine Endziffer von 0 bis 9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a number on the wheel</source>
        <translation>%1 ist keine Zahl des Kessels</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 chip</source>
        <translation>1 Jeton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 chips</source>
        <translation>%1 Jetons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No chip is placed before it.</source>
        <translation>Davor wird kein Jeton gesetzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 chip is placed before it.</source>
        <translation>Davor wird 1 Jeton gesetzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 chips are placed before it.</source>
        <translation>Davor werden %1 Jetons gesetzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops at chip %1, %2: the money would go out of range.</source>
        <translation>Stoppt bei Jeton %1, %2: Der Betrag läge außerhalb des Bereichs.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 table refuses chip %2, %3: &quot;%4&quot;</source>
        <translation>Der Tisch %1 lehnt Jeton %2, %3 ab: „%4“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>straight %1</source>
        <translation>Plein %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>split %1</source>
        <translation>Cheval %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trio %1</source>
        <translation>Trio %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>street %1</source>
        <translation>Transversale pleine %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first four %1</source>
        <translation>Erste Vier %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>corner %1</source>
        <translation>Carré %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>six-line %1</source>
        <translation>Transversale simple %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st column (1, 4, ..., 34)</source>
        <translation>1. Kolonne (1, 4, ..., 34)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd column (2, 5, ..., 35)</source>
        <translation>2. Kolonne (2, 5, ..., 35)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd column (3, 6, ..., 36)</source>
        <translation>3. Kolonne (3, 6, ..., 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st dozen (1 to 12)</source>
        <translation>1. Dutzend (1 bis 12)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd dozen (13 to 24)</source>
        <translation>2. Dutzend (13 bis 24)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd dozen (25 to 36)</source>
        <translation>3. Dutzend (25 bis 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>low (1 to 18)</source>
        <translation>Manque (1 bis 18)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>high (19 to 36)</source>
        <translation>Passe (19 bis 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>even</source>
        <translation>Pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>odd</source>
        <translation>Impair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tier</source>
        <translation>Tiers du Cylindre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orphans</source>
        <translation>Orphelins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grande</source>
        <translation>Voisins du Zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Jeu Zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neighbours</source>
        <translation>Nachbarn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finals</source>
        <translation>Finales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birds</source>
        <translation>Vögel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cousins</source>
        <translation>Cousins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reds</source>
        <translation>Rote</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blacks</source>
        <translation>Schwarze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st Quarter</source>
        <translation>1. Viertel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd Quarter</source>
        <translation>2. Viertel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd Quarter</source>
        <translation>3. Viertel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th Quarter</source>
        <translation>4. Viertel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opposite</source>
        <translation>Gegenüber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr +</source>
        <translation>Viertel +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr -</source>
        <translation>Viertel -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing %1; extra %2</source>
        <translation>es fehlt %1; zu viel %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing %1</source>
        <translation>es fehlt %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>extra %1</source>
        <translation>zu viel %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong: this bet is to be built by hand, chip by chip, not with its button</source>
        <translation>Falsch: Dieser Satz wird von Hand gelegt, Jeton für Jeton, nicht mit seiner Taste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong: you chose %1; the bet on the layout is %2</source>
        <translation>Falsch: Sie wählten %1; auf dem Tableau liegt %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type the sum in whole dollars, for example 175</source>
        <translation>Geben Sie die Summe in ganzen Dollar ein, zum Beispiel 175</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong: not %1 but %2</source>
        <translation>Falsch: nicht %1, sondern %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 a piece</source>
        <translation>%1 je Stück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 x %3 = %4</source>
        <translation>%1: %2 x %3 = %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, pays %2 to 1, %3 to %4 at this table</source>
        <translation>%1, zahlt %2 zu 1, %3 bis %4 an diesem Tisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 table: stakes in multiples of %2</source>
        <translation>Tisch %1: Einsätze in Vielfachen von %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inside bets from %1, at most %2 on a straight, %3 on a split,</source>
        <translation>Innere Einsätze ab %1, höchstens %2 auf Plein, %3 auf Cheval,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 on a street or trio, %2 on a corner, %3 on a six-line</source>
        <translation>%1 auf Transversale pleine oder Trio, %2 auf Carré, %3 auf Transversale simple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outside bets from %1, at most %2 on a column or dozen,</source>
        <translation>Äußere Einsätze ab %1, höchstens %2 auf Kolonne oder Dutzend,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on an even chance</source>
        <translation>%1 auf eine einfache Chance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight %1</source>
        <translation>Plein %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Split %1</source>
        <translation>Cheval %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trio %1</source>
        <translation>Trio %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Street %1</source>
        <translation>Transversale pleine %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First four %1</source>
        <translation>Erste Vier %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corner %1</source>
        <translation>Carré %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six-line %1</source>
        <translation>Transversale simple %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low (1 to 18)</source>
        <translation>Manque (1 bis 18)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High (19 to 36)</source>
        <translation>Passe (19 bis 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Even</source>
        <translation>Pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Odd</source>
        <translation>Impair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Autoplay: spin %1 of %2, %3 x%4</source>
        <translation>Automatisch: Coup %1 von %2, %3 x%4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st dozen</source>
        <translation>1. Dutzend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd dozen</source>
        <translation>2. Dutzend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd dozen</source>
        <translation>3. Dutzend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Column %1</source>
        <translation>Kolonne %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low 1-18</source>
        <translation>Manque 1-18</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High 19-36</source>
        <translation>Passe 19-36</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Flat</source>
        <translation>Gleichsatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martingale</source>
        <translation>Martingale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>d&apos;Alembert</source>
        <translation>d&apos;Alembert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fibonacci</source>
        <translation>Fibonacci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paroli</source>
        <translation>Paroli</translation>
    </message>
</context>
<context>
    <name>ZoomUnit</name>
    <message>
        <location filename="../src/window/zoom/ZoomUnit.cpp" line="+47"/>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual &amp;Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>dlgAutoplay</name>
    <message>
        <location filename="../src/window/autoplay/dlgAutoplay.cpp" line="+28"/>
        <source>Autoplay</source>
        <translation>Automatisches Spiel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Number of spins:</source>
        <translation>Anzahl der Coups:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Progression:</source>
        <translation>Progression:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when the Balance is at or below</source>
        <translation>Beenden, wenn das Guthaben höchstens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when the Balance is at or above</source>
        <translation>Beenden, wenn das Guthaben mindestens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when the Last Win is at or above</source>
        <translation>Beenden, wenn der letzte Gewinn mindestens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop after any won spin</source>
        <translation>Nach jedem gewonnenen Coup beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Instant</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
</context>
<context>
    <name>dlgLayouts</name>
    <message>
        <location filename="../src/window/layouts/dlgLayouts.cpp" line="+26"/>
        <source>Velmora Layouts</source>
        <translation>Velmora-Sätze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
</context>
<context>
    <name>dlgSettings</name>
    <message>
        <location filename="../src/window/sound/dlgSettings.cpp" line="+25"/>
        <source>&amp;Test the voice</source>
        <translation>Stimme &amp;testen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configure Velmora</source>
        <translation>Velmora einrichten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Sound volume:</source>
        <translation>&amp;Lautstärke der Töne:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Voice volume:</source>
        <translation>Lautstärke der &amp;Stimme:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice &amp;rate:</source>
        <translation>Sprech&amp;tempo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>V&amp;oice:</source>
        <translation>St&amp;imme:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The speech service&apos;s own</source>
        <translation>Die des Sprachdienstes</translation>
    </message>
</context>
<context>
    <name>frmBoard</name>
    <message>
        <location filename="../src/window/board/BoardLayout.cpp" line="+99"/>
        <source>Table :</source>
        <translation>Tisch:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Last Win</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Balance</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet</source>
        <translation>Satz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chips:</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Either Side</source>
        <translation>Nachbarn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cover</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grande</source>
        <translation>V. Zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tier</source>
        <translation>Tiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orphns</source>
        <translation>Orphel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Jeu 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reds</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blacks</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st Qtr</source>
        <translation>1. Vtl.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd Qtr</source>
        <translation>2. Vtl.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd Qtr</source>
        <translation>3. Vtl.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th Qtr</source>
        <translation>4. Vtl.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cousin</source>
        <translation>Cousins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birds</source>
        <translation>Vögel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finals</source>
        <translation>Finales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Figure</source>
        <translation>Figur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neighb</source>
        <translation>Voisins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oppos</source>
        <translation>Gegenü.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr -</source>
        <translation>Vtl. -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr +</source>
        <translation>Vtl. +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoard.cpp" line="+142"/>
        <source>Do you really want to exit?</source>
        <translation>Wollen Sie wirklich aufhören?</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardActions.cpp" line="+37"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rebet</source>
        <translation>&amp;Nachsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear</source>
        <translation>Ab&amp;räumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Double</source>
        <translation>&amp;Verdoppeln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Spin</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The rebet stopped there.</source>
        <translation>Das Nachsetzen endete hier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clearing stopped there.</source>
        <translation>Das Abräumen endete hier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The double stopped there.</source>
        <translation>Das Verdoppeln endete hier.</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardAnnounced.cpp" line="+89"/>
        <source>The press stopped there.</source>
        <translation>Die Ansage endete hier.</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardBetting.cpp" line="+106"/>
        <source>The chip was not placed.</source>
        <translation>Der Jeton wurde nicht gesetzt.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Internal error: an amount of money went out of range. %1</source>
        <translation>Interner Fehler: Ein Geldbetrag lag außerhalb des Bereichs. %1</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardSpin.cpp" line="+63"/>
        <source>This spin was not settled; the stakes stay as they were.</source>
        <translation>Dieser Coup wurde nicht abgerechnet; die Einsätze bleiben, wie sie waren.</translation>
    </message>
</context>
<context>
    <name>frmPractice</name>
    <message>
        <location filename="../src/window/practice/frmPractice.cpp" line="+40"/>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Place it</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name it</source>
        <translation>Benennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay it</source>
        <translation>Auszahlen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hear it</source>
        <translation>Hören</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the table: green, the bet asked for; red, your answer.</source>
        <translation>Auf dem Tisch: grün der verlangte Satz, rot Ihre Antwort.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Repeat</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>No more bets in %1 s</source>
        <translation>Nichts geht mehr in %1 s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Task: %1</source>
        <translation>Aufgabe: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No verdict yet</source>
        <translation>Noch kein Urteil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verdict: %1</source>
        <translation>Urteil: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak: %1 (best %2)</source>
        <translation>Serie: %1 (beste %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Time on this task %1</source>
        <translation>Zeit für diese Aufgabe %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Your bets at this level</source>
        <translation>Ihre Sätze auf dieser Stufe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Most missed</source>
        <translation>Am häufigsten verfehlt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Average time: %1 s</source>
        <translation>Mittlere Zeit: %1 s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choice %1: %2</source>
        <translation>Wahl %1: %2</translation>
    </message>
</context>
<context>
    <name>frmRacetrack</name>
    <message>
        <location filename="../src/window/racetrack/frmRacetrack.cpp" line="+55"/>
        <source>Velmora Racetrack</source>
        <translation>Velmora-Kesselfeld</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <location filename="../src/window/statistics/frmStatistics.cpp" line="+36"/>
        <source>Spins played: %1</source>
        <translation>Gespielte Coups: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total staked</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total won</source>
        <translation>Gesamtgewinn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stakes lost</source>
        <translation>Verlorene Einsätze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hottest: %1</source>
        <translation>Am heißesten: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coldest: %1</source>
        <translation>Am kältesten: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Each number</source>
        <translation>Jede Zahl</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Velmora Statistics</source>
        <translation>Velmora-Statistik</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Balance after every spin</source>
        <translation>Kapital nach jedem Coup</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Balance</source>
        <translation>Kapital</translation>
    </message>
</context>
<context>
    <name>frmStrategy</name>
    <message>
        <location filename="../src/window/strategy/frmStrategy.cpp" line="+24"/>
        <source>Total staked</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expected loss (1/37 of the stakes)</source>
        <translation>Erwarteter Verlust (1/37 der Einsätze)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual loss</source>
        <translation>Tatsächlicher Verlust</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sessions broke</source>
        <translation>Sitzungen pleite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sessions at the target</source>
        <translation>Sitzungen am Ziel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sessions stopped by the table</source>
        <translation>Vom Tisch beendete Sitzungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final bankroll: mean, deviation</source>
        <translation>Endkapital: Mittel, Abweichung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worst fall from a peak</source>
        <translation>Stärkster Fall von einem Hoch</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Velmora Strategy Tester</source>
        <translation>Velmora-Strategietester</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>Progression</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+43"/>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Spins per session</source>
        <translation>Coups je Sitzung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bankroll</source>
        <translation>Kapital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target (win)</source>
        <translation>Ziel (Gewinn)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>Ab&amp;brechen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Bankroll of the first twenty sessions</source>
        <translation>Kapital der ersten zwanzig Sitzungen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Final bankrolls</source>
        <translation>Endkapital</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Base layout: %1 spots, %2 a spin, at the %3 table</source>
        <translation>Grundsatz: %1 Felder, %2 je Coup, am Tisch %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Running...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 sessions played.</source>
        <translation>%1 Sitzungen gespielt.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Session %1</source>
        <translation>Sitzung %1</translation>
    </message>
</context>
</TS>
