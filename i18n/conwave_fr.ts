<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Start the animation</source>
        <translation>Démarrer l’animation</translation>
    </message>
    <message>
        <source>M, Mach number</source>
        <translation>M, nombre de Mach</translation>
    </message>
    <message>
        <source>nWave, number of wavefronts</source>
        <translation>nWave, nombre de fronts d’onde</translation>
    </message>
    <message>
        <source>tMax, time span in seconds</source>
        <translation>tMax, durée en secondes</translation>
    </message>
    <message>
        <source>Wavefronts</source>
        <translation>Fronts d’onde</translation>
    </message>
    <message>
        <source>A number with a decimal point, such as 1.5; it takes effect at START</source>
        <translation>Un nombre avec un point décimal, par exemple 1.5&#xa0;; il prend effet à DÉMARRER</translation>
    </message>
    <message>
        <source>A number with a decimal comma or point, such as 1,5; it takes effect at START</source>
        <translation>Un nombre avec une virgule ou un point décimal, par exemple 1,5&#xa0;; il prend effet à DÉMARRER</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>Form_About</name>
    <message>
        <source>About</source>
        <translation>À propos de Conwave</translation>
    </message>
    <message>
        <source>This Program simulates wave propagation from a point distribution source for choosen Mach numbers in subsonic - supersonic regimes</source>
        <translation>Ce programme simule la propagation des ondes d’une source ponctuelle, pour un nombre de Mach au choix, en régime subsonique ou supersonique</translation>
    </message>
    <message>
        <source>Developed by the Conwave team</source>
        <translation>Développé par l’équipe Conwave</translation>
    </message>
    <message>
        <source>Last modified on April 2007</source>
        <translation>Dernière révision&#xa0;: avril 2007</translation>
    </message>
    <message>
        <source>For comments and questions e-mail to</source>
        <translation>Questions et remarques par courriel à</translation>
    </message>
</context>
<context>
    <name>Listener</name>
    <message>
        <source>More than %1 wavefronts would reach the listener from within %2 s of the pass overhead: choose a larger interval tMax / nWave or a shorter span.</source>
        <translation>Plus de %1 fronts d’onde atteindraient l’auditeur depuis %2 s avant et après le passage à la verticale&#xa0;: choisissez un intervalle tMax / nWave plus grand ou une durée plus courte.</translation>
    </message>
    <message>
        <source>The Mach number M is too large for the fly-over: enter a number such as %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand pour le survol&#xa0;: entrez un nombre, par exemple de %1 à %2.</translation>
    </message>
    <message>
        <source>The listener&apos;s distance below the flight H is too large for the fly-over: enter a number of metres from %1 to %2.</source>
        <translation>La distance H de l’auditeur sous la trajectoire est trop grande pour le survol&#xa0;: entrez un nombre de mètres de %1 à %2.</translation>
    </message>
    <message>
        <source>The interval tMax / nWave is 0 s, so the fly-over would have no end of wavefronts: enter a tMax further from 0.</source>
        <translation>L’intervalle tMax / nWave vaut 0 s, si bien que le survol aurait des fronts d’onde sans fin&#xa0;: entrez un tMax plus éloigné de 0.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Conwave: wavefronts of a moving source</source>
        <translation>Conwave&#xa0;: fronts d’onde d’une source en mouvement</translation>
    </message>
    <message>
        <source>Seen from the source: the air streams past it from left to right</source>
        <translation>Vu depuis la source&#xa0;: l’air passe devant elle de gauche à droite</translation>
    </message>
    <message>
        <source>Seen from the source: the air streams past it from right to left</source>
        <translation>Vu depuis la source&#xa0;: l’air passe devant elle de droite à gauche</translation>
    </message>
    <message>
        <source>Seen from the source: the source and the air are at rest</source>
        <translation>Vu depuis la source&#xa0;: la source et l’air sont au repos</translation>
    </message>
    <message>
        <source>Seen from the ground: the air is at rest and the source moves to the left</source>
        <translation>Vu depuis le sol&#xa0;: l’air est au repos et la source se déplace vers la gauche</translation>
    </message>
    <message>
        <source>Seen from the ground: the air is at rest and the source moves to the right</source>
        <translation>Vu depuis le sol&#xa0;: l’air est au repos et la source se déplace vers la droite</translation>
    </message>
    <message>
        <source>Seen from the ground: the source and the air are at rest, and the wavefronts grow around the source</source>
        <translation>Vu depuis le sol&#xa0;: la source et l’air sont au repos, et les fronts d’onde grandissent autour de la source</translation>
    </message>
    <message>
        <source>When the clock starts again, this view jumps back by one interval&apos;s path: see below.</source>
        <translation>Quand l’horloge repart, cette vue recule du chemin d’un intervalle&#xa0;: voir plus bas.</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>One tick back</source>
        <translation>Un pas en arrière</translation>
    </message>
    <message>
        <source>One tick forward</source>
        <translation>Un pas en avant</translation>
    </message>
    <message>
        <source>Clock cycle</source>
        <translation>Cycle de l’horloge</translation>
    </message>
    <message>
        <source>tNow = %1 s</source>
        <translation>tNow = %1 s</translation>
    </message>
    <message>
        <source>tick %1 of %2</source>
        <translation>pas %1 sur %2</translation>
    </message>
    <message>
        <source>tick %1 of %2 or more</source>
        <translation>pas %1 sur %2 ou plus</translation>
    </message>
    <message>
        <source>Keys: %1 plays and pauses, %2 %3 step one tick (%4 s), everywhere except in the number boxes.</source>
        <translation>Touches&#xa0;: %1 lance et arrête, %2 %3 avancent ou reculent d’un pas (%4 s), partout sauf dans les champs de nombres.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Mach lines</source>
        <translation>Lignes de Mach</translation>
    </message>
    <message>
        <source>before START</source>
        <translation>avant DÉMARRER</translation>
    </message>
    <message>
        <source>Mach angle: %1°, the angle whose sine is 1/|M|.</source>
        <translation>Angle de Mach&#xa0;: %1°, l’angle dont le sinus vaut 1/|M|.</translation>
    </message>
    <message>
        <source>M, nWave and tMax are read as the window reads its boxes when START is pressed. Values it cannot draw are refused with a message, and the animation goes on as it was.</source>
        <translation>M, nWave et tMax sont lus comme la fenêtre lit ses champs quand on appuie sur DÉMARRER. Les valeurs qu’elle ne peut pas dessiner sont refusées avec un message, et l’animation continue comme avant.</translation>
    </message>
    <message>
        <source>Heard from the ground: the source flies over a listener %1 m below it</source>
        <translation>Entendu depuis le sol&#xa0;: la source survole un auditeur %1 m plus bas</translation>
    </message>
    <message>
        <source>Fly-over time</source>
        <translation>Temps du survol</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>heard now: %1 Hz = %2 f0</source>
        <translation>entendu maintenant&#xa0;: %1 Hz = %2 f0</translation>
    </message>
    <message>
        <source>the boom</source>
        <translation>le bang</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>The boom reaches the listener, %1 s after the source passed overhead.</source>
        <translation>Le bang atteint l’auditeur %1 s après le passage de la source à la verticale.</translation>
    </message>
    <message>
        <source>%1 wavefronts have reached the listener.</source>
        <translation>%1 fronts d’onde ont atteint l’auditeur.</translation>
    </message>
    <message>
        <source>On the fly-over, %1 and %2 move the listener away from the flight and towards it.</source>
        <translation>Dans la vue du survol, %1 et %2 éloignent l’auditeur de la trajectoire et l’en rapprochent.</translation>
    </message>
    <message>
        <source>Heard from the ground: the source hovers %1 m above a listener</source>
        <translation>Entendu depuis le sol&#xa0;: la source plane %1 m au-dessus d’un auditeur</translation>
    </message>
    <message>
        <source>The air is at rest. The strip below marks each wavefront where it reaches the listener, dark once heard, and the boom in red; above Mach 1 nothing is heard before the boom, when the Mach cone sweeps over the listener.</source>
        <translation>L’air est au repos. La bande du dessous marque chaque front d’onde là où il atteint l’auditeur, en sombre une fois entendu, et le bang en rouge&#xa0;; au-dessus de Mach 1, rien ne s’entend avant le bang, quand le cône de Mach balaie l’auditeur.</translation>
    </message>
    <message>
        <source>One wavefront has reached the listener.</source>
        <translation>Un front d’onde a atteint l’auditeur.</translation>
    </message>
    <message>
        <source>%1   %2</source>
        <translation>%1   %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The listener&apos;s distance below the flight H is a number of metres, 0 or more: enter a number such as %1.</source>
        <translation>La distance H de l’auditeur sous la trajectoire est un nombre de mètres, 0 ou plus&#xa0;: entrez un nombre comme %1.</translation>
    </message>
    <message>
        <source>How to read the three views</source>
        <translation>Comment lire les trois vues</translation>
    </message>
    <message>
        <source>The first view, seen from the source, is the picture of the Conwave window: the source sits still and the air carries each wavefront downstream while it grows at the speed of sound, %1 m/s. Each tick adds %2 s to the clock tNow.</source>
        <translation>La première vue, vue depuis la source, est l’image de la fenêtre de Conwave&#xa0;: la source reste immobile et l’air emporte chaque front d’onde vers l’aval pendant qu’il grandit à la vitesse du son, %1 m/s. Chaque pas ajoute %2 s à l’horloge tNow.</translation>
    </message>
    <message>
        <source>In the second view, seen from the ground, the air is at rest: every wavefront stays centred where the source sent it out, and the source moves through them. Both views run on the same clock. At any one moment they show the same wavefronts, only shifted; they differ in how the picture moves. When the clock has passed one interval between wavefronts it starts again from 0, as in the window: in the first view nothing seems to happen, because every wavefront has grown into the place of the next one; in the second the source and all wavefronts jump back by the distance the source travels in one interval, the oldest wavefront leaves and a new one starts at the source.</source>
        <translation>Dans la deuxième vue, vue depuis le sol, l’air est au repos&#xa0;: chaque front d’onde reste centré là où la source l’a émis, et la source se déplace à travers eux. Les deux vues suivent la même horloge. À chaque instant, elles montrent les mêmes fronts d’onde, seulement décalés&#xa0;; elles diffèrent par la façon dont l’image bouge. Quand l’horloge a parcouru un intervalle entre deux fronts d’onde, elle repart de 0, comme dans la fenêtre&#xa0;: dans la première vue, rien ne semble se passer, car chaque front d’onde a grandi jusqu’à la place du suivant&#xa0;; dans la deuxième, la source et tous les fronts d’onde reculent de la distance que la source parcourt en un intervalle, le front d’onde le plus ancien disparaît et un nouveau naît à la source.</translation>
    </message>
    <message>
        <source>The third view, heard from the ground, follows one fly-over on a clock of its own: the source flies to the left for M &gt; 0, at the height H above a listener, and the view zooms out as the source recedes so that both stay in sight; its scale bar gives the current scale. The curve below it shows the frequency heard against time, as f / f0, where f0 is the frequency the source sends: above Mach 1 nothing is heard before the boom, and after it two streams of wavefronts arrive at once. Speed slows both clocks and the sound alike.</source>
        <translation>La troisième vue, entendue depuis le sol, suit un survol sur une horloge à elle&#xa0;: la source vole vers la gauche pour M &gt; 0, à la hauteur H au-dessus d’un auditeur, et la vue s’élargit à mesure que la source s’éloigne, pour que les deux restent en vue&#xa0;; sa barre d’échelle donne l’échelle du moment. La courbe en dessous montre la fréquence entendue en fonction du temps, en f / f0, où f0 est la fréquence qu’émet la source&#xa0;: au-dessus de Mach 1, rien ne s’entend avant le bang, et après lui deux flots de fronts d’onde arrivent à la fois. La vitesse de lecture ralentit les deux horloges et le son de même.</translation>
    </message>
    <message>
        <source>After START, and when H changes, the page&apos;s address holds M, nWave, tMax and H: a link to it opens the page on the same set-up, so that one file serves several slides.</source>
        <translation>Après DÉMARRER, et quand H change, l’adresse de la page contient M, nWave, tMax et H&#xa0;: un lien vers elle ouvre la page avec les mêmes réglages, si bien qu’un seul fichier sert à plusieurs diapositives.</translation>
    </message>
    <message>
        <source>silence until %1 s, when the first wavefront arrives</source>
        <translation>silence jusqu’à %1 s, quand arrive le premier front d’onde</translation>
    </message>
    <message>
        <source>heard now: %1 Hz = %2 f0 and %3 Hz = %4 f0</source>
        <translation>entendu maintenant&#xa0;: %1 Hz = %2 f0 et %3 Hz = %4 f0</translation>
    </message>
    <message>
        <source>The source sends a wavefront every %1 s (f0 = %2 Hz) from %3 s to %4 s, and none before or after.</source>
        <translation>La source émet un front d’onde toutes les %1 s (f0 = %2 Hz) de %3 s à %4 s, et aucun avant ni après.</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>The tone is transposed: it plays %1 Hz × f / f0, one tone for each stream of wavefronts.</source>
        <translation>Le son est transposé&#xa0;: il joue %1 Hz × f / f0, un son pour chaque flot de fronts d’onde.</translation>
    </message>
    <message>
        <source>The frequency heard against time: f / f0 for each wavefront when it reaches the listener</source>
        <translation>La fréquence entendue en fonction du temps&#xa0;: f / f0 pour chaque front d’onde quand il atteint l’auditeur</translation>
    </message>
    <message>
        <source>t [s]</source>
        <translation>t [s]</translation>
    </message>
    <message>
        <source>f / f0</source>
        <translation>f / f0</translation>
    </message>
    <message>
        <source>far ahead</source>
        <translation>loin devant</translation>
    </message>
    <message>
        <source>far behind</source>
        <translation>loin derrière</translation>
    </message>
    <message>
        <source>Far ahead the listener hears %1 f0 (%2 Hz), far behind %3 f0 (%4 Hz).</source>
        <translation>Loin devant, l’auditeur entend %1 f0 (%2 Hz), loin derrière %3 f0 (%4 Hz).</translation>
    </message>
    <message>
        <source>Far behind the listener hears %1 f0 (%2 Hz); the wavefronts sent long before the pass all arrive together just after it.</source>
        <translation>Loin derrière, l’auditeur entend %1 f0 (%2 Hz)&#xa0;; les fronts d’onde émis longtemps avant le passage arrivent tous ensemble juste après lui.</translation>
    </message>
    <message>
        <source>The boom reaches the listener at %1 s; after it two streams of wavefronts arrive at once:</source>
        <translation>Le bang atteint l’auditeur à %1 s&#xa0;; après lui, deux flots de fronts d’onde arrivent à la fois&#xa0;:</translation>
    </message>
    <message>
        <source>sent before %1 s, heard in reverse order</source>
        <translation>émis avant %1 s, entendus dans l’ordre inverse</translation>
    </message>
    <message>
        <source>sent after %1 s, heard in the order sent</source>
        <translation>émis après %1 s, entendus dans l’ordre d’émission</translation>
    </message>
    <message>
        <source>every wavefront, heard in the order sent</source>
        <translation>chaque front d’onde, entendu dans l’ordre d’émission</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Press START to begin the animation.</source>
        <translation>Appuyez sur DÉMARRER pour lancer l’animation.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>At rest at Mach %1: the wavefronts are concentric circles around the source</source>
        <translation>Source au repos, nombre de Mach %1&#xa0;: les fronts d’onde sont des cercles concentriques autour de la source</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1: the source stays inside its wavefronts</source>
        <translation>Subsonique, nombre de Mach %1&#xa0;: la source reste à l’intérieur de ses fronts d’onde</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts</source>
        <translation>Subsonique, nombre de Mach %1, déplacement en sens inverse&#xa0;: la source reste à l’intérieur de ses fronts d’onde</translation>
    </message>
    <message>
        <source>Sonic at Mach %1: every wavefront touches the source</source>
        <translation>Sonique, nombre de Mach %1&#xa0;: chaque front d’onde touche la source</translation>
    </message>
    <message>
        <source>Sonic at Mach %1, moving the other way: every wavefront touches the source</source>
        <translation>Sonique, nombre de Mach %1, déplacement en sens inverse&#xa0;: chaque front d’onde touche la source</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Supersonique, nombre de Mach %1&#xa0;: un cône de Mach avec un angle de Mach de %2 degrés</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1, moving the other way: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Supersonique, nombre de Mach %1, déplacement en sens inverse&#xa0;: un cône de Mach avec un angle de Mach de %2 degrés</translation>
    </message>
    <message>
        <source>a wavefront every %1 s</source>
        <translation>un front d’onde toutes les %1 s</translation>
    </message>
    <message>
        <source>a wavefront every %1 s, less than one frame of %2 s: the picture stands still</source>
        <translation>un front d’onde toutes les %1 s, moins d’une image de %2 s&#xa0;: l’image reste immobile</translation>
    </message>
    <message>
        <source>with no wavefront drawn</source>
        <translation>sans aucun front d’onde dessiné</translation>
    </message>
    <message>
        <source>a negative time span: only the youngest wavefront is drawn and the picture stands still</source>
        <translation>une durée négative&#xa0;: seul le front d’onde le plus récent est dessiné et l’image reste immobile</translation>
    </message>
    <message>
        <source>a negative time span: only the %3 youngest wavefronts are drawn and the picture stands still</source>
        <translation>une durée négative&#xa0;: seuls les %3 fronts d’onde les plus récents sont dessinés et l’image reste immobile</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The Mach number M is too large: enter a number such as %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand&#xa0;: entrez un nombre, par exemple de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too large: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave est trop grand&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The time span tMax is too large: enter a number of seconds such as %1 to %2.</source>
        <translation>La durée tMax est trop grande&#xa0;: entrez un nombre de secondes, par exemple de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be 0: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave ne peut pas valoir 0&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is not a number, so it reads as 0: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave n’est pas un nombre, il vaut donc 0&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too small for this time span: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave est trop petit pour cette durée&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw with these wavefronts: enter a number from %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand pour dessiner ces fronts d’onde&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The time span tMax is too long to draw at this Mach number: enter a number of seconds from %1 to %2.</source>
        <translation>La durée tMax est trop longue pour dessiner à ce nombre de Mach&#xa0;: entrez un nombre de secondes de %1 à %2.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw at any time span: enter a number from %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand pour dessiner, quelle que soit la durée&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be more than %2: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave ne peut pas dépasser %2&#xa0;: entrez un nombre de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>Échec de l’opération</translation>
    </message>
    <message>
        <source>a number was divided by 0</source>
        <translation>un nombre a été divisé par 0</translation>
    </message>
    <message>
        <source>the number is too large for a double</source>
        <translation>le nombre est trop grand pour la double précision</translation>
    </message>
    <message>
        <source>a sum is too large for a double</source>
        <translation>une somme est trop grande pour la double précision</translation>
    </message>
    <message>
        <source>a product is too large for a double</source>
        <translation>un produit est trop grand pour la double précision</translation>
    </message>
    <message>
        <source>a quotient is too large for a double</source>
        <translation>un quotient est trop grand pour la double précision</translation>
    </message>
    <message>
        <source>a coordinate is too large for single precision</source>
        <translation>une coordonnée est trop grande pour la simple précision</translation>
    </message>
    <message>
        <source>the time of day could not be read</source>
        <translation>l’heure n’a pas pu être lue</translation>
    </message>
    <message>
        <source>the time of day could not be written as text</source>
        <translation>l’heure n’a pas pu être écrite en texte</translation>
    </message>
    <message>
        <source>the picture&apos;s world window has no extent</source>
        <translation>la fenêtre de coordonnées de l’image n’a pas d’étendue</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>slot %1 does not exist; the slots run from 0 to %2</source>
        <translation>l’emplacement %1 n’existe pas&#xa0;; les emplacements vont de 0 à %2</translation>
    </message>
</context>
</TS>
