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
        <source>About</source>
        <translation>Über</translation>
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
        <translation>Ruhende Quelle bei Machzahl %1: die Wellenfronten sind konzentrische Kreise um die Quelle</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1: the source stays inside its wavefronts</source>
        <translation>Unterschall bei Machzahl %1: die Quelle bleibt innerhalb ihrer Wellenfronten</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts</source>
        <translation>Unterschall bei Machzahl %1, Bewegung in Gegenrichtung: die Quelle bleibt innerhalb ihrer Wellenfronten</translation>
    </message>
    <message>
        <source>Sonic at Mach %1: every wavefront touches the source</source>
        <translation>Schallgeschwindigkeit bei Machzahl %1: jede Wellenfront berührt die Quelle</translation>
    </message>
    <message>
        <source>Sonic at Mach %1, moving the other way: every wavefront touches the source</source>
        <translation>Schallgeschwindigkeit bei Machzahl %1, Bewegung in Gegenrichtung: jede Wellenfront berührt die Quelle</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Überschall bei Machzahl %1: ein Machscher Kegel mit einem Mach-Winkel von %2 Grad</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1, moving the other way: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Überschall bei Machzahl %1, Bewegung in Gegenrichtung: ein Machscher Kegel mit einem Mach-Winkel von %2 Grad</translation>
    </message>
    <message>
        <source>a wavefront every %1 s</source>
        <translation>alle %1 s eine Wellenfront</translation>
    </message>
    <message>
        <source>a wavefront every %1 s, less than one frame of %2 s: the picture stands still</source>
        <translation>alle %1 s eine Wellenfront, weniger als ein Bild von %2 s: das Bild steht still</translation>
    </message>
    <message>
        <source>with no wavefront drawn</source>
        <translation>ohne gezeichnete Wellenfront</translation>
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
        <source>The number of wavefronts nWave cannot be more than 50: enter a number from %1 to %2.</source>
        <translation>Die Anzahl der Wellenfronten nWave darf nicht größer als 50 sein: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
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
        <source>the picture's world window has no extent</source>
        <translation>das Weltkoordinatenfenster des Bildes hat keine Ausdehnung</translation>
    </message>
</context>
</TS>
