<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>2 à 1</translation>
    </message>
</context>
<context>
    <name>AutoplayUnit</name>
    <message>
        <location filename="../src/window/autoplay/AutoplayUnit.cpp" line="+19"/>
        <source>&amp;Autoplay...</source>
        <translation>Jeu &amp;automatique...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop autoplay</source>
        <translation>Arrêter le jeu automatique</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Place a bet on the layout before starting autoplay.</source>
        <translation>Placez une mise sur le tapis avant de lancer le jeu automatique.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Autoplay stopped before this spin.</source>
        <translation>Le jeu automatique s&apos;est arrêté avant ce coup.</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <location filename="../src/window/board/BoardTable.cpp" line="+116"/>
        <source>Placing the layout stopped there.</source>
        <translation>La pose du tapis s&apos;est arrêtée là.</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <location filename="../src/window/common/Charts.cpp" line="+12"/>
        <source>The chart cannot be shown: the chart module of Velmora could not be loaded.</source>
        <translation>Le graphique ne peut pas être affiché : le module de graphiques de Velmora n&apos;a pas pu être chargé.</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <location filename="../src/window/board/ControlHelp.cpp" line="+43"/>
        <source>Cover: the number Neighb, Finals, Figure, Oppos, Qtr + and Qtr - are placed from.
Pick or type 0 to 36; every spin writes its winning number here.</source>
        <translation>Numéro : le numéro d&apos;où partent Voisins, Finales, Figure, Opposés, Quart + et Quart -.
Choisissez ou tapez 0 à 36 ; chaque coup y inscrit le numéro sorti.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Either Side: how many neighbours on each side Neighb, Oppos, Qtr + and Qtr - take.
Pick 1 to 6 or type another count.</source>
        <translation>Voisins : combien de voisins de chaque côté prennent Voisins, Opposés, Quart + et Quart -.
Choisissez 1 à 6 ou tapez un autre nombre.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Betting layout</source>
        <translation>Tapis de jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press a number, line or corner to stake the selected chip there</source>
        <translation>Cliquez un numéro, une ligne ou un coin pour y miser le jeton choisi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wheel</source>
        <translation>Cylindre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The wheel seen from above, numbers clockwise from 0 at the top: %1</source>
        <translation>Le cylindre vu de dessus, numéros dans le sens horaire depuis le 0 en haut : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ball</source>
        <translation>Bille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin the wheel: the ball stops in a drawn pocket and the stakes are settled</source>
        <translation>Lancer la bille : elle s&apos;arrête dans une case tirée et les mises sont réglées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave the table (you are asked first)</source>
        <translation>Quitter la table (après confirmation)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the help page</source>
        <translation>Ouvrir la page d&apos;aide</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 chip</source>
        <translation>Jeton de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A chip worth %1</source>
        <translation>Un jeton de %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 table</source>
        <translation>Table %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Chip on %1</source>
        <translation>Jeton sur %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>A press adds the selected chip, a right press takes the chip&apos;s value off</source>
        <translation>Un clic ajoute le jeton choisi, un clic droit retire sa valeur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stake on %1</source>
        <translation>Mise sur %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Last number 1, the latest</source>
        <translation>Numéro précédent 1, le dernier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last number %1</source>
        <translation>Numéro précédent %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1; %2 staked</source>
        <translation>%1 ; %2 misés</translation>
    </message>
</context>
<context>
    <name>CroupierCall</name>
    <message>
        <location filename="../src/window/common/TableTexts.cpp" line="+129"/>
        <source>No more bets</source>
        <translation>Rien ne va plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, odd, low</source>
        <translation>%1, rouge, impair et manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, odd, high</source>
        <translation>%1, rouge, impair et passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, even, low</source>
        <translation>%1, rouge, pair et manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, red, even, high</source>
        <translation>%1, rouge, pair et passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, odd, low</source>
        <translation>%1, noir, impair et manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, odd, high</source>
        <translation>%1, noir, impair et passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, even, low</source>
        <translation>%1, noir, pair et manque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, black, even, high</source>
        <translation>%1, noir, pair et passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, and %2</source>
        <translation>%1, et %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 by %2</source>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and the neighbours</source>
        <translation>%1 et les voisins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and 1 neighbour</source>
        <translation>%1 et un voisin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2 neighbours</source>
        <translation>%1 et %2 voisins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finale %1</source>
        <translation>Finale %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eleven</source>
        <translation>Onze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twelve</source>
        <translation>Douze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirteen</source>
        <translation>Treize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fourteen</source>
        <translation>Quatorze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fifteen</source>
        <translation>Quinze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sixteen</source>
        <translation>Seize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Seventeen</source>
        <translation>Dix-sept</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eighteen</source>
        <translation>Dix-huit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nineteen</source>
        <translation>Dix-neuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty</source>
        <translation>Vingt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-one</source>
        <translation>Vingt et un</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-two</source>
        <translation>Vingt-deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-three</source>
        <translation>Vingt-trois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-four</source>
        <translation>Vingt-quatre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-five</source>
        <translation>Vingt-cinq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-six</source>
        <translation>Vingt-six</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-seven</source>
        <translation>Vingt-sept</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-eight</source>
        <translation>Vingt-huit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twenty-nine</source>
        <translation>Vingt-neuf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty</source>
        <translation>Trente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-one</source>
        <translation>Trente et un</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-two</source>
        <translation>Trente-deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-three</source>
        <translation>Trente-trois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-four</source>
        <translation>Trente-quatre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-five</source>
        <translation>Trente-cinq</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thirty-six</source>
        <translation>Trente-six</translation>
    </message>
</context>
<context>
    <name>DataStore</name>
    <message>
        <location filename="../src/window/common/DataStore.cpp" line="+87"/>
        <source>its folder %1 could not be made</source>
        <translation>son dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the unreadable file could not be moved aside</source>
        <translation>le fichier illisible n&apos;a pas pu être mis de côté</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Velmora could not save its %1 in %2 (%3), so it keeps them and saves them with your next change.</source>
        <translation>Velmora n&apos;a pas pu enregistrer ses %1 dans %2 (%3) ; il les garde et les enregistrera à votre prochaine modification.</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Velmora could not read its %1 in %2 and goes on without it.</source>
        <translation>Velmora n&apos;a pas pu lire ses %1 dans %2 et continue sans.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Velmora could not read its %1, so it moved the file to %2 and starts afresh.</source>
        <translation>Velmora n&apos;a pas pu lire ses %1 ; le fichier a été déplacé vers %2 et tout repart de zéro.</translation>
    </message>
    <message>
        <location filename="../src/window/common/FileLock.cpp" line="+33"/>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
</context>
<context>
    <name>DrillsUnit</name>
    <message>
        <location filename="../src/window/practice/DrillsUnit.cpp" line="+21"/>
        <source>&amp;Place it</source>
        <translation>&amp;Placer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Name it</source>
        <translation>&amp;Nommer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pa&amp;y it</source>
        <translation>P&amp;ayer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hear it</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>practice progress</source>
        <translation>progrès d&apos;entraînement</translation>
    </message>
    <message>
        <location filename="../src/window/practice/DrillTasks.cpp" line="+57"/>
        <source>Place %1 at %2.</source>
        <translation>Placez %1 à %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Which bet lies on the layout, at %1?</source>
        <translation>Quelle mise est sur le tapis, à %1 ?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1. What is paid?</source>
        <translation>%1. Que paie-t-on ?</translation>
    </message>
    <message>
        <location filename="../src/window/practice/HearTasks.cpp" line="+13"/>
        <source>Listen to the call and place it.</source>
        <translation>Écoutez l&apos;annonce et placez-la.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No voice speaks here, so the call is written above: place it as read.</source>
        <translation>Aucune voix ne parle ici, l&apos;annonce est donc écrite ci-dessus : placez-la comme lue.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../src/window/help/HelpViewer.cpp" line="+23"/>
        <source>Velmora Help</source>
        <translation>Aide de Velmora</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Help file not found: %1</source>
        <translation>Fichier d&apos;aide introuvable : %1</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Velmora.html</source>
        <extracomment>The help page&apos;s file name in this language, as installed: Velmora.&lt;language&gt;.html</extracomment>
        <translation>Velmora.fr.html</translation>
    </message>
</context>
<context>
    <name>LayoutsUnit</name>
    <message>
        <location filename="../src/window/layouts/LayoutsUnit.cpp" line="+30"/>
        <source>La&amp;youts</source>
        <translation>&amp;Tapis enregistrés</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;layout...</source>
        <translation>Enregistrer le &amp;tapis...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Manage layouts...</source>
        <translation>&amp;Gérer les tapis...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>saved layouts</source>
        <translation>tapis enregistrés</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>There is no stake on the table to save as a layout.</source>
        <translation>Aucune mise sur la table à enregistrer comme tapis.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Layout %1</source>
        <translation>Tapis %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Layout name:</source>
        <translation>Nom du tapis :</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/window/board/MainWindow.cpp" line="+27"/>
        <source>&amp;Table</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Practice</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Settings</source>
        <translation>&amp;Configuration</translation>
    </message>
</context>
<context>
    <name>RacetrackUnit</name>
    <message>
        <location filename="../src/window/racetrack/RacetrackUnit.cpp" line="+28"/>
        <source>&amp;Racetrack</source>
        <translation>&amp;Cylindre</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <location filename="../src/window/common/SettingsFile.cpp" line="+45"/>
        <source>Velmora could not read its window settings in %1 and uses its defaults.</source>
        <translation>Velmora n&apos;a pas pu lire ses réglages de fenêtres dans %1 et utilise ceux par défaut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Velmora could not read its window settings, so it moved the file to %1 and uses its defaults.</source>
        <translation>Velmora n&apos;a pas pu lire ses réglages de fenêtres ; le fichier a été déplacé vers %1 et ceux par défaut sont utilisés.</translation>
    </message>
</context>
<context>
    <name>SoundUnit</name>
    <message>
        <location filename="../src/window/sound/SoundUnit.cpp" line="+20"/>
        <source>No voice: install qt6-speech-speechd-plugin, speech-dispatcher and espeak-ng (%1), then start Velmora again.</source>
        <translation>Aucune voix : installez qt6-speech-speechd-plugin, speech-dispatcher et espeak-ng (%1), puis relancez Velmora.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>en</source>
        <extracomment>This translation&apos;s language code, for the croupier&apos;s voice: fr, de</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Croupier&apos;s voice</source>
        <translation>Voix du croupier</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Configure Velmora...</source>
        <translation>Configurer Velmora...</translation>
    </message>
</context>
<context>
    <name>StrategyUnit</name>
    <message>
        <location filename="../src/window/strategy/StrategyUnit.cpp" line="+13"/>
        <source>Strategy &amp;tester</source>
        <translation>&amp;Testeur de stratégie</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Place some chips first: the tester plays the stakes lying on the table.</source>
        <translation>Placez d&apos;abord des jetons : le testeur joue les mises posées sur la table.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <location filename="../src/window/common/TableTexts.cpp" line="-162"/>
        <source>Bets must be in multiples of %1</source>
        <translation>Les mises doivent être des multiples de%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum bet allowed is %1</source>
        <translation>Mise maximale autorisée :%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum bet allowed is %1</source>
        <translation>Mise minimale autorisée :%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2, %3 either side</source>
        <translation>%1 de %2, %3 de chaque côté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2: %3</source>
        <translation>%1 de %2 : %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>places nothing: %1</source>
        <translation>ne place rien : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; is out of range</source>
        <translation>« %1 » est hors limites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an either-side count of %1 is more than this bet takes (%2)</source>
        <translation>%1 voisins de chaque côté, c&apos;est plus que cette mise n&apos;en prend (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an either-side count of %1 covers no pocket</source>
        <translation>%1 voisins de chaque côté ne couvrent aucune case</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 has no last digit from 0 to 9</source>
        <translation>%1 n&apos;a pas de dernier chiffre de 0 à 9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a number on the wheel</source>
        <translation>%1 n&apos;est pas un numéro du cylindre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 chip</source>
        <translation>1 jeton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 chips</source>
        <translation>%1 jetons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No chip is placed before it.</source>
        <translation>Aucun jeton n&apos;est posé avant.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 chip is placed before it.</source>
        <translation>1 jeton est posé avant.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 chips are placed before it.</source>
        <translation>%1 jetons sont posés avant.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops at chip %1, %2: the money would go out of range.</source>
        <translation>S&apos;arrête au jeton %1, %2 : la somme sortirait des limites.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 table refuses chip %2, %3: &quot;%4&quot;</source>
        <translation>La table %1 refuse le jeton %2, %3 : « %4 »</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>straight %1</source>
        <translation>plein %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>split %1</source>
        <translation>cheval %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trio %1</source>
        <translation>trio %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>street %1</source>
        <translation>transversale pleine %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first four %1</source>
        <translation>quatre premiers %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>corner %1</source>
        <translation>carré %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>six-line %1</source>
        <translation>transversale simple %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st column (1, 4, ..., 34)</source>
        <translation>1re colonne (1, 4, ..., 34)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd column (2, 5, ..., 35)</source>
        <translation>2e colonne (2, 5, ..., 35)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd column (3, 6, ..., 36)</source>
        <translation>3e colonne (3, 6, ..., 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st dozen (1 to 12)</source>
        <translation>1re douzaine (1 à 12)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd dozen (13 to 24)</source>
        <translation>2e douzaine (13 à 24)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd dozen (25 to 36)</source>
        <translation>3e douzaine (25 à 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>low (1 to 18)</source>
        <translation>manque (1 à 18)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>high (19 to 36)</source>
        <translation>passe (19 à 36)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>even</source>
        <translation>pair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>odd</source>
        <translation>impair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tier</source>
        <translation>Tiers du cylindre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orphans</source>
        <translation>Orphelins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grande</source>
        <translation>Voisins du zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zero</source>
        <translation>Jeu zéro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neighbours</source>
        <translation>Voisins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finals</source>
        <translation>Finales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birds</source>
        <translation>Oiseaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cousins</source>
        <translation>Cousins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reds</source>
        <translation>Rouges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blacks</source>
        <translation>Noirs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st Quarter</source>
        <translation>1er quart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd Quarter</source>
        <translation>2e quart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd Quarter</source>
        <translation>3e quart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th Quarter</source>
        <translation>4e quart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opposite</source>
        <translation>Opposés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr +</source>
        <translation>Quart +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr -</source>
        <translation>Quart -</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right: %1</source>
        <translation>Juste : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing %1; extra %2</source>
        <translation>il manque %1 ; en trop %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing %1</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>extra %1</source>
        <translation>en trop %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong: this bet is to be built by hand, chip by chip, not with its button</source>
        <translation>Faux : cette mise se construit à la main, jeton par jeton, pas avec son bouton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong: you chose %1; the bet on the layout is %2</source>
        <translation>Faux : vous avez choisi %1 ; la mise sur le tapis est %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type the sum in whole dollars, for example 175</source>
        <translation>Tapez la somme en dollars entiers, par exemple 175</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong: not %1 but %2</source>
        <translation>Faux : pas %1 mais %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 a piece</source>
        <translation>%1 la pièce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 wins</source>
        <translation>Le %1 sort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2 x %3 = %4</source>
        <translation>%1 : %2 x %3 = %4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, pays %2 to 1, %3 to %4 at this table</source>
        <translation>%1, paie %2 contre 1, de %3 à %4 à cette table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 table: stakes in multiples of %2</source>
        <translation>Table %1 : mises en multiples de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inside bets from %1, at most %2 on a straight, %3 on a split,</source>
        <translation>Mises intérieures dès %1, au plus %2 sur un plein, %3 sur un cheval,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 on a street or trio, %2 on a corner, %3 on a six-line</source>
        <translation>%1 sur une transversale pleine ou un trio, %2 sur un carré, %3 sur une transversale simple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outside bets from %1, at most %2 on a column or dozen,</source>
        <translation>Mises extérieures dès %1, au plus %2 sur une colonne ou une douzaine,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on an even chance</source>
        <translation>%1 sur une chance simple</translation>
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
        <translation>Quatre premiers %1</translation>
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
        <translation>Manque (1 à 18)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High (19 to 36)</source>
        <translation>Passe (19 à 36)</translation>
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
        <translation>Jeu automatique : coup %1 sur %2, %3 x%4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st dozen</source>
        <translation>1re douzaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd dozen</source>
        <translation>2e douzaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd dozen</source>
        <translation>3e douzaine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
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
        <translation>Mise fixe</translation>
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
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual &amp;Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
</context>
<context>
    <name>dlgAutoplay</name>
    <message>
        <location filename="../src/window/autoplay/dlgAutoplay.cpp" line="+28"/>
        <source>Autoplay</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Number of spins:</source>
        <translation>Nombre de coups :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Progression:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when the Balance is at or below</source>
        <translation>Arrêter quand le solde est inférieur ou égal à</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when the Balance is at or above</source>
        <translation>Arrêter quand le solde est supérieur ou égal à</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop when the Last Win is at or above</source>
        <translation>Arrêter quand le dernier gain est supérieur ou égal à</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop after any won spin</source>
        <translation>Arrêter après tout coup gagnant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Instant</source>
        <translation>Immédiat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
</context>
<context>
    <name>dlgLayouts</name>
    <message>
        <location filename="../src/window/layouts/dlgLayouts.cpp" line="+26"/>
        <source>Velmora Layouts</source>
        <translation>Tapis de Velmora</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
</context>
<context>
    <name>dlgSettings</name>
    <message>
        <location filename="../src/window/sound/dlgSettings.cpp" line="+25"/>
        <source>&amp;Test the voice</source>
        <translation>&amp;Essayer la voix</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configure Velmora</source>
        <translation>Configurer Velmora</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Sound volume:</source>
        <translation>Volume du &amp;son :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Voice volume:</source>
        <translation>Volume de la &amp;voix :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voice &amp;rate:</source>
        <translation>&amp;Débit de la voix :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>V&amp;oice:</source>
        <translation>V&amp;oix :</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The speech service&apos;s own</source>
        <translation>Celle du service vocal</translation>
    </message>
</context>
<context>
    <name>frmBoard</name>
    <message>
        <location filename="../src/window/board/BoardLayout.cpp" line="+99"/>
        <source>Table :</source>
        <translation>Table :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Last Win</source>
        <translation>Gain</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chips:</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Either Side</source>
        <translation>Voisins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cover</source>
        <translation>Num.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spin</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grande</source>
        <translation>V. zéro</translation>
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
        <translation>Rouges</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blacks</source>
        <translation>Noirs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1st Qtr</source>
        <translation>1er qrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2nd Qtr</source>
        <translation>2e qrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3rd Qtr</source>
        <translation>3e qrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4th Qtr</source>
        <translation>4e qrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cousin</source>
        <translation>Cousins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birds</source>
        <translation>Oiseaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finals</source>
        <translation>Finales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neighb</source>
        <translation>Voisins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oppos</source>
        <translation>Opposés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr -</source>
        <translation>Qrt -</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qtr +</source>
        <translation>Qrt +</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoard.cpp" line="+142"/>
        <source>Do you really want to exit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardActions.cpp" line="+37"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rebet</source>
        <translation>&amp;Remiser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Double</source>
        <translation>&amp;Doubler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Spin</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The rebet stopped there.</source>
        <translation>La remise s&apos;est arrêtée là.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clearing stopped there.</source>
        <translation>L&apos;effacement s&apos;est arrêté là.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The double stopped there.</source>
        <translation>Le doublement s&apos;est arrêté là.</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardAnnounced.cpp" line="+89"/>
        <source>The press stopped there.</source>
        <translation>L&apos;annonce s&apos;est arrêtée là.</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardBetting.cpp" line="+106"/>
        <source>The chip was not placed.</source>
        <translation>Le jeton n&apos;a pas été posé.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Internal error: an amount of money went out of range. %1</source>
        <translation>Erreur interne : une somme est sortie des limites. %1</translation>
    </message>
    <message>
        <location filename="../src/window/board/frmBoardSpin.cpp" line="+63"/>
        <source>This spin was not settled; the stakes stay as they were.</source>
        <translation>Ce coup n&apos;a pas été réglé ; les mises restent telles quelles.</translation>
    </message>
</context>
<context>
    <name>frmPractice</name>
    <message>
        <location filename="../src/window/practice/frmPractice.cpp" line="+40"/>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Place it</source>
        <translation>Placer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name it</source>
        <translation>Nommer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pay it</source>
        <translation>Payer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hear it</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the table: green, the bet asked for; red, your answer.</source>
        <translation>Sur la table : en vert, la mise demandée ; en rouge, votre réponse.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Repeat</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>No more bets in %1 s</source>
        <translation>Rien ne va plus dans %1 s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Task: %1</source>
        <translation>Tâche : %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No verdict yet</source>
        <translation>Pas encore de verdict</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verdict: %1</source>
        <translation>Verdict : %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Right: %1</source>
        <translation>Juste : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong: %1</source>
        <translation>Faux : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streak: %1 (best %2)</source>
        <translation>Série : %1 (record %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Time on this task %1</source>
        <translation>Temps sur cette tâche %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Your bets at this level</source>
        <translation>Vos mises à ce niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Most missed</source>
        <translation>Le plus manqué</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Average time: %1 s</source>
        <translation>Temps moyen : %1 s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choice %1: %2</source>
        <translation>Choix %1 : %2</translation>
    </message>
</context>
<context>
    <name>frmRacetrack</name>
    <message>
        <location filename="../src/window/racetrack/frmRacetrack.cpp" line="+55"/>
        <source>Velmora Racetrack</source>
        <translation>Cylindre de Velmora</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <location filename="../src/window/statistics/frmStatistics.cpp" line="+36"/>
        <source>Spins played: %1</source>
        <translation>Coups joués : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total staked</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total won</source>
        <translation>Total gagné</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stakes lost</source>
        <translation>Mises perdues</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hottest: %1</source>
        <translation>Les plus chauds : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coldest: %1</source>
        <translation>Les plus froids : %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Each number</source>
        <translation>Chaque numéro</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Velmora Statistics</source>
        <translation>Statistiques de Velmora</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Balance after every spin</source>
        <translation>Solde après chaque coup</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>frmStrategy</name>
    <message>
        <location filename="../src/window/strategy/frmStrategy.cpp" line="+24"/>
        <source>Total staked</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expected loss (1/37 of the stakes)</source>
        <translation>Perte attendue (1/37 des mises)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual loss</source>
        <translation>Perte réelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sessions broke</source>
        <translation>Sessions ruinées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sessions at the target</source>
        <translation>Sessions arrivées à l&apos;objectif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sessions stopped by the table</source>
        <translation>Sessions arrêtées par la table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final bankroll: mean, deviation</source>
        <translation>Capital final : moyenne, écart type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worst fall from a peak</source>
        <translation>Pire chute depuis un sommet</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Velmora Strategy Tester</source>
        <translation>Testeur de stratégie de Velmora</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Sessions</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>Spins per session</source>
        <translation>Coups par session</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bankroll</source>
        <translation>Capital</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target (win)</source>
        <translation>Objectif (gain)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Run</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Bankroll of the first twenty sessions</source>
        <translation>Capital des vingt premières sessions</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Final bankrolls</source>
        <translation>Capitaux finaux</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Base layout: %1 spots, %2 a spin, at the %3 table</source>
        <translation>Tapis de base : %1 cases, %2 par coup, à la table %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Running...</source>
        <translation>En cours...</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 sessions played.</source>
        <translation>%1 sessions jouées.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Session %1</source>
        <translation>Session %1</translation>
    </message>
</context>
</TS>
