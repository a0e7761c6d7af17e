<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation>STARTEN</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Start the animation</source>
        <translation>Animation starten</translation>
    </message>
    <message>
        <source>M, Mach number</source>
        <translation>M, Machzahl</translation>
    </message>
    <message>
        <source>nWave, number of wavefronts</source>
        <translation>nWave, Anzahl der Wellenfronten</translation>
    </message>
    <message>
        <source>tMax, time span in seconds</source>
        <translation>tMax, Zeitspanne in Sekunden</translation>
    </message>
    <message>
        <source>Wavefronts</source>
        <translation>Wellenfronten</translation>
    </message>
    <message>
        <source>A number with a decimal point, such as 1.5; it takes effect at START</source>
        <translation>Eine Zahl mit Dezimalpunkt, etwa 1.5; sie gilt ab STARTEN</translation>
    </message>
    <message>
        <source>A number with a decimal comma or point, such as 1,5; it takes effect at START</source>
        <translation>Eine Zahl mit Dezimalkomma oder -punkt, etwa 1,5; sie gilt ab STARTEN</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Conwave</translation>
    </message>
</context>
<context>
    <name>Form_About</name>
    <message>
        <source>About</source>
        <translation>Über Conwave</translation>
    </message>
    <message>
        <source>This Program simulates wave propagation from a point distribution source for choosen Mach numbers in subsonic - supersonic regimes</source>
        <translation>Dieses Programm simuliert die Ausbreitung der Wellen einer punktförmigen Quelle für wählbare Machzahlen im Unter- und Überschallbereich</translation>
    </message>
    <message>
        <source>Developed by the Conwave team</source>
        <translation>Entwickelt vom Conwave-Team</translation>
    </message>
    <message>
        <source>Last modified on April 2007</source>
        <translation>Zuletzt geändert im April 2007</translation>
    </message>
    <message>
        <source>For comments and questions e-mail to</source>
        <translation>Fragen und Anmerkungen per E-Mail an</translation>
    </message>
</context>
<context>
    <name>Listener</name>
    <message>
        <source>More than %1 wavefronts would reach the listener from within %2 s of the pass overhead: choose a larger interval tMax / nWave or a shorter span.</source>
        <translation>Mehr als %1 Wellenfronten würden den Hörer aus %2 s vor und nach dem Überflug erreichen: Wählen Sie ein größeres Intervall tMax / nWave oder eine kürzere Spanne.</translation>
    </message>
    <message>
        <source>The Mach number M is too large for the fly-over: enter a number such as %1 to %2.</source>
        <translation>Die Machzahl M ist für den Überflug zu groß: Geben Sie eine Zahl etwa von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The listener&apos;s distance below the flight H is too large for the fly-over: enter a number of metres from %1 to %2.</source>
        <translation>Der Abstand H des Hörers unter der Flugbahn ist für den Überflug zu groß: Geben Sie eine Zahl von %1 bis %2 Metern ein.</translation>
    </message>
    <message>
        <source>The interval tMax / nWave is 0 s, so the fly-over would have no end of wavefronts: enter a tMax further from 0.</source>
        <translation>Das Intervall tMax / nWave ist 0 s, der Überflug hätte also Wellenfronten ohne Ende: Geben Sie ein tMax ein, das weiter von 0 entfernt ist.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Conwave: wavefronts of a moving source</source>
        <translation>Conwave: Wellenfronten einer bewegten Quelle</translation>
    </message>
    <message>
        <source>Seen from the source: the air streams past it from left to right</source>
        <translation>Von der Quelle aus gesehen: Die Luft strömt von links nach rechts an ihr vorbei</translation>
    </message>
    <message>
        <source>Seen from the source: the air streams past it from right to left</source>
        <translation>Von der Quelle aus gesehen: Die Luft strömt von rechts nach links an ihr vorbei</translation>
    </message>
    <message>
        <source>Seen from the source: the source and the air are at rest</source>
        <translation>Von der Quelle aus gesehen: Quelle und Luft ruhen</translation>
    </message>
    <message>
        <source>Seen from the ground: the air is at rest and the source moves to the left</source>
        <translation>Vom Boden aus gesehen: Die Luft ruht, und die Quelle bewegt sich nach links</translation>
    </message>
    <message>
        <source>Seen from the ground: the air is at rest and the source moves to the right</source>
        <translation>Vom Boden aus gesehen: Die Luft ruht, und die Quelle bewegt sich nach rechts</translation>
    </message>
    <message>
        <source>Seen from the ground: the source and the air are at rest, and the wavefronts grow around the source</source>
        <translation>Vom Boden aus gesehen: Quelle und Luft ruhen, und die Wellenfronten wachsen um die Quelle</translation>
    </message>
    <message>
        <source>When the clock starts again, this view jumps back by one interval&apos;s path: see below.</source>
        <translation>Wenn die Uhr wieder von vorn beginnt, springt diese Ansicht um den Weg eines Intervalls zurück: siehe unten.</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>One tick back</source>
        <translation>Einen Takt zurück</translation>
    </message>
    <message>
        <source>One tick forward</source>
        <translation>Einen Takt vor</translation>
    </message>
    <message>
        <source>Clock cycle</source>
        <translation>Uhrzyklus</translation>
    </message>
    <message>
        <source>tNow = %1 s</source>
        <translation>tNow = %1 s</translation>
    </message>
    <message>
        <source>tick %1 of %2</source>
        <translation>Takt %1 von %2</translation>
    </message>
    <message>
        <source>tick %1 of %2 or more</source>
        <translation>Takt %1 von %2 oder mehr</translation>
    </message>
    <message>
        <source>Keys: %1 plays and pauses, %2 %3 step one tick (%4 s), everywhere except in the number boxes.</source>
        <translation>Tasten: %1 spielt ab und hält an, %2 %3 gehen einen Takt (%4 s) zurück oder vor, überall außer in den Zahlenfeldern.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Mach lines</source>
        <translation>Machlinien</translation>
    </message>
    <message>
        <source>before START</source>
        <translation>vor STARTEN</translation>
    </message>
    <message>
        <source>Mach angle: %1°, the angle whose sine is 1/|M|.</source>
        <translation>Machwinkel: %1°, der Winkel, dessen Sinus 1/|M| ist.</translation>
    </message>
    <message>
        <source>M, nWave and tMax are read as the window reads its boxes when START is pressed. Values it cannot draw are refused with a message, and the animation goes on as it was.</source>
        <translation>M, nWave und tMax werden gelesen, wie das Fenster seine Felder beim Drücken von STARTEN liest. Werte, die es nicht zeichnen kann, werden mit einer Meldung abgelehnt, und die Animation läuft weiter wie zuvor.</translation>
    </message>
    <message>
        <source>Heard from the ground: the source flies over a listener %1 m below it</source>
        <translation>Vom Boden aus gehört: Die Quelle überfliegt einen Hörer %1 m unter ihr</translation>
    </message>
    <message>
        <source>Fly-over time</source>
        <translation>Überflugzeit</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>heard now: %1 Hz = %2 f0</source>
        <translation>jetzt gehört: %1 Hz = %2 f0</translation>
    </message>
    <message>
        <source>the boom</source>
        <translation>der Knall</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>The boom reaches the listener, %1 s after the source passed overhead.</source>
        <translation>Der Knall erreicht den Hörer %1 s, nachdem die Quelle über ihn hinweggeflogen ist.</translation>
    </message>
    <message>
        <source>%1 wavefronts have reached the listener.</source>
        <translation>%1 Wellenfronten haben den Hörer erreicht.</translation>
    </message>
    <message>
        <source>On the fly-over, %1 and %2 move the listener away from the flight and towards it.</source>
        <translation>Beim Überflug bewegen %1 und %2 den Hörer von der Flugbahn weg und zu ihr hin.</translation>
    </message>
    <message>
        <source>Heard from the ground: the source hovers %1 m above a listener</source>
        <translation>Vom Boden aus gehört: Die Quelle schwebt %1 m über einem Hörer</translation>
    </message>
    <message>
        <source>The air is at rest. The strip below marks each wavefront where it reaches the listener, dark once heard, and the boom in red; above Mach 1 nothing is heard before the boom, when the Mach cone sweeps over the listener.</source>
        <translation>Die Luft ruht. Der Streifen darunter markiert jede Wellenfront dort, wo sie den Hörer erreicht, dunkel, sobald sie gehört ist, und den Knall rot; über Mach 1 ist vor dem Knall nichts zu hören, wenn der Machkegel über den Hörer streicht.</translation>
    </message>
    <message>
        <source>One wavefront has reached the listener.</source>
        <translation>Eine Wellenfront hat den Hörer erreicht.</translation>
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
        <translation>Der Abstand H des Hörers unter der Flugbahn wird in Metern angegeben, 0 oder mehr: Geben Sie eine Zahl wie %1 ein.</translation>
    </message>
    <message>
        <source>How to read the three views</source>
        <translation>So liest man die drei Ansichten</translation>
    </message>
    <message>
        <source>The first view, seen from the source, is the picture of the Conwave window: the source sits still and the air carries each wavefront downstream while it grows at the speed of sound, %1 m/s. Each tick adds %2 s to the clock tNow.</source>
        <translation>Die erste Ansicht, von der Quelle aus gesehen, ist das Bild des Conwave-Fensters: Die Quelle steht still, und die Luft trägt jede Wellenfront stromabwärts, während sie mit Schallgeschwindigkeit wächst, %1 m/s. Jeder Takt erhöht die Uhr tNow um %2 s.</translation>
    </message>
    <message>
        <source>In the second view, seen from the ground, the air is at rest: every wavefront stays centred where the source sent it out, and the source moves through them. Both views run on the same clock. At any one moment they show the same wavefronts, only shifted; they differ in how the picture moves. When the clock has passed one interval between wavefronts it starts again from 0, as in the window: in the first view nothing seems to happen, because every wavefront has grown into the place of the next one; in the second the source and all wavefronts jump back by the distance the source travels in one interval, the oldest wavefront leaves and a new one starts at the source.</source>
        <translation>In der zweiten Ansicht, vom Boden aus gesehen, ruht die Luft: Jede Wellenfront bleibt dort zentriert, wo die Quelle sie ausgesandt hat, und die Quelle bewegt sich durch sie hindurch. Beide Ansichten laufen mit derselben Uhr. In jedem Augenblick zeigen sie dieselben Wellenfronten, nur verschoben; sie unterscheiden sich darin, wie sich das Bild bewegt. Wenn die Uhr ein Intervall zwischen zwei Wellenfronten durchlaufen hat, beginnt sie wieder bei 0, wie im Fenster: In der ersten Ansicht scheint nichts zu geschehen, weil jede Wellenfront an die Stelle der nächsten gewachsen ist; in der zweiten springen die Quelle und alle Wellenfronten um die Strecke zurück, die die Quelle in einem Intervall zurücklegt, die älteste Wellenfront verschwindet, und an der Quelle beginnt eine neue.</translation>
    </message>
    <message>
        <source>The third view, heard from the ground, follows one fly-over on a clock of its own: the source flies to the left for M &gt; 0, at the height H above a listener, and the view zooms out as the source recedes so that both stay in sight; its scale bar gives the current scale. The curve below it shows the frequency heard against time, as f / f0, where f0 is the frequency the source sends: above Mach 1 nothing is heard before the boom, and after it two streams of wavefronts arrive at once. Speed slows both clocks and the sound alike.</source>
        <translation>Die dritte Ansicht, vom Boden aus gehört, folgt einem Überflug mit einer eigenen Uhr: Die Quelle fliegt für M &gt; 0 nach links, in der Höhe H über einem Hörer, und die Ansicht zoomt heraus, während sich die Quelle entfernt, sodass beide im Blick bleiben; ihr Maßstabsbalken gibt den aktuellen Maßstab an. Die Kurve darunter zeigt die gehörte Frequenz über der Zeit als f / f0, wobei f0 die Frequenz ist, mit der die Quelle sendet: Über Mach 1 ist vor dem Knall nichts zu hören, und danach kommen zwei Ströme von Wellenfronten zugleich an. Das Tempo verlangsamt beide Uhren und den Ton gleichermaßen.</translation>
    </message>
    <message>
        <source>After START, and when H changes, the page&apos;s address holds M, nWave, tMax and H: a link to it opens the page on the same set-up, so that one file serves several slides.</source>
        <translation>Nach STARTEN und wenn sich H ändert, enthält die Adresse der Seite M, nWave, tMax und H: Ein Link darauf öffnet die Seite mit denselben Werten, sodass eine Datei für mehrere Folien reicht.</translation>
    </message>
    <message>
        <source>silence until %1 s, when the first wavefront arrives</source>
        <translation>Stille bis %1 s, wenn die erste Wellenfront ankommt</translation>
    </message>
    <message>
        <source>heard now: %1 Hz = %2 f0 and %3 Hz = %4 f0</source>
        <translation>jetzt gehört: %1 Hz = %2 f0 und %3 Hz = %4 f0</translation>
    </message>
    <message>
        <source>The source sends a wavefront every %1 s (f0 = %2 Hz) from %3 s to %4 s, and none before or after.</source>
        <translation>Die Quelle sendet von %3 s bis %4 s alle %1 s eine Wellenfront (f0 = %2 Hz), davor und danach keine.</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The tone is transposed: it plays %1 Hz × f / f0, one tone for each stream of wavefronts.</source>
        <translation>Der Ton ist transponiert: Er spielt %1 Hz × f / f0, ein Ton für jeden Strom von Wellenfronten.</translation>
    </message>
    <message>
        <source>The frequency heard against time: f / f0 for each wavefront when it reaches the listener</source>
        <translation>Die gehörte Frequenz über der Zeit: f / f0 für jede Wellenfront, wenn sie den Hörer erreicht</translation>
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
        <translation>weit voraus</translation>
    </message>
    <message>
        <source>far behind</source>
        <translation>weit dahinter</translation>
    </message>
    <message>
        <source>Far ahead the listener hears %1 f0 (%2 Hz), far behind %3 f0 (%4 Hz).</source>
        <translation>Weit voraus hört der Hörer %1 f0 (%2 Hz), weit dahinter %3 f0 (%4 Hz).</translation>
    </message>
    <message>
        <source>Far behind the listener hears %1 f0 (%2 Hz); the wavefronts sent long before the pass all arrive together just after it.</source>
        <translation>Weit dahinter hört der Hörer %1 f0 (%2 Hz); die lange vor dem Überflug gesandten Wellenfronten kommen alle zusammen kurz danach an.</translation>
    </message>
    <message>
        <source>The boom reaches the listener at %1 s; after it two streams of wavefronts arrive at once:</source>
        <translation>Der Knall erreicht den Hörer bei %1 s; danach kommen zwei Ströme von Wellenfronten zugleich an:</translation>
    </message>
    <message>
        <source>sent before %1 s, heard in reverse order</source>
        <translation>vor %1 s gesandt, in umgekehrter Reihenfolge gehört</translation>
    </message>
    <message>
        <source>sent after %1 s, heard in the order sent</source>
        <translation>nach %1 s gesandt, in der Reihenfolge des Sendens gehört</translation>
    </message>
    <message>
        <source>every wavefront, heard in the order sent</source>
        <translation>jede Wellenfront, in der Reihenfolge des Sendens gehört</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Press START to begin the animation.</source>
        <translation>Drücken Sie STARTEN, um die Animation zu beginnen.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>At rest at Mach %1: the wavefronts are concentric circles around the source</source>
        <translation>Ruhende Quelle bei Machzahl %1: Die Wellenfronten sind konzentrische Kreise um die Quelle</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1: the source stays inside its wavefronts</source>
        <translation>Unterschall bei Machzahl %1: Die Quelle bleibt innerhalb ihrer Wellenfronten</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts</source>
        <translation>Unterschall bei Machzahl %1, Bewegung in Gegenrichtung: Die Quelle bleibt innerhalb ihrer Wellenfronten</translation>
    </message>
    <message>
        <source>Sonic at Mach %1: every wavefront touches the source</source>
        <translation>Schallgeschwindigkeit bei Machzahl %1: Jede Wellenfront berührt die Quelle</translation>
    </message>
    <message>
        <source>Sonic at Mach %1, moving the other way: every wavefront touches the source</source>
        <translation>Schallgeschwindigkeit bei Machzahl %1, Bewegung in Gegenrichtung: Jede Wellenfront berührt die Quelle</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Überschall bei Machzahl %1: ein Machkegel mit einem Machwinkel von %2 Grad</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1, moving the other way: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Überschall bei Machzahl %1, Bewegung in Gegenrichtung: ein Machkegel mit einem Machwinkel von %2 Grad</translation>
    </message>
    <message>
        <source>a wavefront every %1 s</source>
        <translation>alle %1 s eine Wellenfront</translation>
    </message>
    <message>
        <source>a wavefront every %1 s, less than one frame of %2 s: the picture stands still</source>
        <translation>alle %1 s eine Wellenfront, weniger als ein Bild von %2 s: Das Bild steht still</translation>
    </message>
    <message>
        <source>with no wavefront drawn</source>
        <translation>ohne gezeichnete Wellenfront</translation>
    </message>
    <message>
        <source>a negative time span: only the youngest wavefront is drawn and the picture stands still</source>
        <translation>eine negative Zeitspanne: Nur die jüngste Wellenfront wird gezeichnet, und das Bild steht still</translation>
    </message>
    <message>
        <source>a negative time span: only the %3 youngest wavefronts are drawn and the picture stands still</source>
        <translation>eine negative Zeitspanne: Nur die %3 jüngsten Wellenfronten werden gezeichnet, und das Bild steht still</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The Mach number M is too large: enter a number such as %1 to %2.</source>
        <translation>Die Machzahl M ist zu groß: Geben Sie eine Zahl etwa von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too large: enter a number from %1 to %2.</source>
        <translation>Die Anzahl der Wellenfronten nWave ist zu groß: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The time span tMax is too large: enter a number of seconds such as %1 to %2.</source>
        <translation>Die Zeitspanne tMax ist zu groß: Geben Sie eine Sekundenzahl etwa von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be 0: enter a number from %1 to %2.</source>
        <translation>Die Anzahl der Wellenfronten nWave darf nicht 0 sein: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is not a number, so it reads as 0: enter a number from %1 to %2.</source>
        <translation>Die Anzahl der Wellenfronten nWave ist keine Zahl und zählt daher als 0: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too small for this time span: enter a number from %1 to %2.</source>
        <translation>Die Anzahl der Wellenfronten nWave ist für diese Zeitspanne zu klein: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw with these wavefronts: enter a number from %1 to %2.</source>
        <translation>Die Machzahl M ist zu groß, um diese Wellenfronten zu zeichnen: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The time span tMax is too long to draw at this Mach number: enter a number of seconds from %1 to %2.</source>
        <translation>Die Zeitspanne tMax ist zu lang, um bei dieser Machzahl gezeichnet zu werden: Geben Sie eine Sekundenzahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw at any time span: enter a number from %1 to %2.</source>
        <translation>Die Machzahl M ist zu groß, um bei irgendeiner Zeitspanne gezeichnet zu werden: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be more than %2: enter a number from %1 to %2.</source>
        <translation>Die Anzahl der Wellenfronten nWave darf nicht größer als %2 sein: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>a number was divided by 0</source>
        <translation>eine Zahl wurde durch 0 geteilt</translation>
    </message>
    <message>
        <source>the number is too large for a double</source>
        <translation>die Zahl ist zu groß für doppelte Genauigkeit</translation>
    </message>
    <message>
        <source>a sum is too large for a double</source>
        <translation>eine Summe ist zu groß für doppelte Genauigkeit</translation>
    </message>
    <message>
        <source>a product is too large for a double</source>
        <translation>ein Produkt ist zu groß für doppelte Genauigkeit</translation>
    </message>
    <message>
        <source>a quotient is too large for a double</source>
        <translation>ein Quotient ist zu groß für doppelte Genauigkeit</translation>
    </message>
    <message>
        <source>a coordinate is too large for single precision</source>
        <translation>eine Koordinate ist zu groß für einfache Genauigkeit</translation>
    </message>
    <message>
        <source>the time of day could not be read</source>
        <translation>die Uhrzeit konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the time of day could not be written as text</source>
        <translation>die Uhrzeit konnte nicht als Text geschrieben werden</translation>
    </message>
    <message>
        <source>the picture&apos;s world window has no extent</source>
        <translation>das Weltkoordinatenfenster des Bildes hat keine Ausdehnung</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>slot %1 does not exist; the slots run from 0 to %2</source>
        <translation>Feld %1 existiert nicht; die Felder reichen von 0 bis %2</translation>
    </message>
</context>
</TS>
