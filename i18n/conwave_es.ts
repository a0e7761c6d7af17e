<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Start the animation</source>
        <translation>Iniciar la animación</translation>
    </message>
    <message>
        <source>M, Mach number</source>
        <translation>M, número de Mach</translation>
    </message>
    <message>
        <source>nWave, number of wavefronts</source>
        <translation>nWave, número de frentes de onda</translation>
    </message>
    <message>
        <source>tMax, time span in seconds</source>
        <translation>tMax, intervalo de tiempo en segundos</translation>
    </message>
    <message>
        <source>Wavefronts</source>
        <translation>Frentes de onda</translation>
    </message>
    <message>
        <source>A number with a decimal point, such as 1.5; it takes effect at START</source>
        <translation>Un número con punto decimal, como 1.5; se aplica al pulsar INICIAR</translation>
    </message>
    <message>
        <source>A number with a decimal comma or point, such as 1,5; it takes effect at START</source>
        <translation>Un número con coma o punto decimal, como 1,5; se aplica al pulsar INICIAR</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>Form_About</name>
    <message>
        <source>About</source>
        <translation>Acerca de Conwave</translation>
    </message>
    <message>
        <source>This Program simulates wave propagation from a point distribution source for choosen Mach numbers in subsonic - supersonic regimes</source>
        <translation>Este programa simula la propagación de las ondas de una fuente puntual para números de Mach elegidos, en régimen subsónico y supersónico</translation>
    </message>
    <message>
        <source>Developed by the Conwave team</source>
        <translation>Creado por el equipo Conwave</translation>
    </message>
    <message>
        <source>Last modified on April 2007</source>
        <translation>Última revisión: abril de 2007</translation>
    </message>
    <message>
        <source>For comments and questions e-mail to</source>
        <translation>Comentarios y preguntas por correo a</translation>
    </message>
</context>
<context>
    <name>Listener</name>
    <message>
        <source>More than %1 wavefronts would reach the listener from within %2 s of the pass overhead: choose a larger interval tMax / nWave or a shorter span.</source>
        <translation>Más de %1 frentes de onda llegarían al oyente desde %2 s antes y después del paso por encima: elija un intervalo tMax / nWave mayor o un intervalo de tiempo más corto.</translation>
    </message>
    <message>
        <source>The Mach number M is too large for the fly-over: enter a number such as %1 to %2.</source>
        <translation>El número de Mach M es demasiado grande para el sobrevuelo: introduzca un número, por ejemplo de %1 a %2.</translation>
    </message>
    <message>
        <source>The listener&apos;s distance below the flight H is too large for the fly-over: enter a number of metres from %1 to %2.</source>
        <translation>La distancia H del oyente bajo la trayectoria es demasiado grande para el sobrevuelo: introduzca un número de metros de %1 a %2.</translation>
    </message>
    <message>
        <source>The interval tMax / nWave is 0 s, so the fly-over would have no end of wavefronts: enter a tMax further from 0.</source>
        <translation>El intervalo tMax / nWave es 0 s, así que el sobrevuelo tendría frentes de onda sin fin: introduzca un tMax más alejado de 0.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Conwave: wavefronts of a moving source</source>
        <translation>Conwave: frentes de onda de una fuente en movimiento</translation>
    </message>
    <message>
        <source>Seen from the source: the air streams past it from left to right</source>
        <translation>Visto desde la fuente: el aire pasa junto a ella de izquierda a derecha</translation>
    </message>
    <message>
        <source>Seen from the source: the air streams past it from right to left</source>
        <translation>Visto desde la fuente: el aire pasa junto a ella de derecha a izquierda</translation>
    </message>
    <message>
        <source>Seen from the source: the source and the air are at rest</source>
        <translation>Visto desde la fuente: la fuente y el aire están en reposo</translation>
    </message>
    <message>
        <source>Seen from the ground: the air is at rest and the source moves to the left</source>
        <translation>Visto desde el suelo: el aire está en reposo y la fuente se mueve hacia la izquierda</translation>
    </message>
    <message>
        <source>Seen from the ground: the air is at rest and the source moves to the right</source>
        <translation>Visto desde el suelo: el aire está en reposo y la fuente se mueve hacia la derecha</translation>
    </message>
    <message>
        <source>Seen from the ground: the source and the air are at rest, and the wavefronts grow around the source</source>
        <translation>Visto desde el suelo: la fuente y el aire están en reposo, y los frentes de onda crecen alrededor de la fuente</translation>
    </message>
    <message>
        <source>When the clock starts again, this view jumps back by one interval&apos;s path: see below.</source>
        <translation>Cuando el reloj vuelve a empezar, esta vista retrocede el camino de un intervalo: véase abajo.</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>One tick back</source>
        <translation>Un paso atrás</translation>
    </message>
    <message>
        <source>One tick forward</source>
        <translation>Un paso adelante</translation>
    </message>
    <message>
        <source>Clock cycle</source>
        <translation>Ciclo del reloj</translation>
    </message>
    <message>
        <source>tNow = %1 s</source>
        <translation>tNow = %1 s</translation>
    </message>
    <message>
        <source>tick %1 of %2</source>
        <translation>paso %1 de %2</translation>
    </message>
    <message>
        <source>tick %1 of %2 or more</source>
        <translation>paso %1 de %2 o más</translation>
    </message>
    <message>
        <source>Keys: %1 plays and pauses, %2 %3 step one tick (%4 s), everywhere except in the number boxes.</source>
        <translation>Teclas: %1 reproduce y pausa, %2 %3 avanzan o retroceden un paso (%4 s), en todas partes salvo en los campos numéricos.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Mach lines</source>
        <translation>Líneas de Mach</translation>
    </message>
    <message>
        <source>before START</source>
        <translation>antes de INICIAR</translation>
    </message>
    <message>
        <source>Mach angle: %1°, the angle whose sine is 1/|M|.</source>
        <translation>Ángulo de Mach: %1°, el ángulo cuyo seno es 1/|M|.</translation>
    </message>
    <message>
        <source>M, nWave and tMax are read as the window reads its boxes when START is pressed. Values it cannot draw are refused with a message, and the animation goes on as it was.</source>
        <translation>M, nWave y tMax se leen como la ventana lee sus campos al pulsar INICIAR. Los valores que no puede dibujar se rechazan con un mensaje, y la animación sigue como estaba.</translation>
    </message>
    <message>
        <source>Heard from the ground: the source flies over a listener %1 m below it</source>
        <translation>Oído desde el suelo: la fuente sobrevuela a un oyente %1 m más abajo</translation>
    </message>
    <message>
        <source>Fly-over time</source>
        <translation>Tiempo del sobrevuelo</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>heard now: %1 Hz = %2 f0</source>
        <translation>oído ahora: %1 Hz = %2 f0</translation>
    </message>
    <message>
        <source>the boom</source>
        <translation>el estampido</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The boom reaches the listener, %1 s after the source passed overhead.</source>
        <translation>El estampido llega al oyente %1 s después de que la fuente pasara por encima.</translation>
    </message>
    <message>
        <source>%1 wavefronts have reached the listener.</source>
        <translation>%1 frentes de onda han llegado al oyente.</translation>
    </message>
    <message>
        <source>On the fly-over, %1 and %2 move the listener away from the flight and towards it.</source>
        <translation>En el sobrevuelo, %1 y %2 alejan al oyente de la trayectoria y lo acercan.</translation>
    </message>
    <message>
        <source>Heard from the ground: the source hovers %1 m above a listener</source>
        <translation>Oído desde el suelo: la fuente flota %1 m por encima de un oyente</translation>
    </message>
    <message>
        <source>The air is at rest. The strip below marks each wavefront where it reaches the listener, dark once heard, and the boom in red; above Mach 1 nothing is heard before the boom, when the Mach cone sweeps over the listener.</source>
        <translation>El aire está en reposo. La franja de abajo marca cada frente de onda donde llega al oyente, oscuro una vez oído, y el estampido en rojo; por encima de Mach 1 no se oye nada antes del estampido, cuando el cono de Mach barre al oyente.</translation>
    </message>
    <message>
        <source>One wavefront has reached the listener.</source>
        <translation>Un frente de onda ha llegado al oyente.</translation>
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
        <translation>La distancia H del oyente bajo la trayectoria es un número de metros, 0 o más: introduzca un número como %1.</translation>
    </message>
    <message>
        <source>How to read the three views</source>
        <translation>Cómo leer las tres vistas</translation>
    </message>
    <message>
        <source>The first view, seen from the source, is the picture of the Conwave window: the source sits still and the air carries each wavefront downstream while it grows at the speed of sound, %1 m/s. Each tick adds %2 s to the clock tNow.</source>
        <translation>La primera vista, vista desde la fuente, es la imagen de la ventana de Conwave: la fuente está quieta y el aire arrastra cada frente de onda corriente abajo mientras crece a la velocidad del sonido, %1 m/s. Cada paso suma %2 s al reloj tNow.</translation>
    </message>
    <message>
        <source>In the second view, seen from the ground, the air is at rest: every wavefront stays centred where the source sent it out, and the source moves through them. Both views run on the same clock. At any one moment they show the same wavefronts, only shifted; they differ in how the picture moves. When the clock has passed one interval between wavefronts it starts again from 0, as in the window: in the first view nothing seems to happen, because every wavefront has grown into the place of the next one; in the second the source and all wavefronts jump back by the distance the source travels in one interval, the oldest wavefront leaves and a new one starts at the source.</source>
        <translation>En la segunda vista, vista desde el suelo, el aire está en reposo: cada frente de onda permanece centrado donde la fuente lo emitió, y la fuente se mueve a través de ellos. Las dos vistas siguen el mismo reloj. En cada instante muestran los mismos frentes de onda, solo desplazados; se diferencian en cómo se mueve la imagen. Cuando el reloj ha recorrido un intervalo entre frentes de onda, vuelve a empezar desde 0, como en la ventana: en la primera vista parece que no pasa nada, porque cada frente de onda ha crecido hasta el lugar del siguiente; en la segunda la fuente y todos los frentes de onda retroceden la distancia que la fuente recorre en un intervalo, el frente de onda más antiguo desaparece y uno nuevo nace en la fuente.</translation>
    </message>
    <message>
        <source>The third view, heard from the ground, follows one fly-over on a clock of its own: the source flies to the left for M &gt; 0, at the height H above a listener, and the view zooms out as the source recedes so that both stay in sight; its scale bar gives the current scale. The curve below it shows the frequency heard against time, as f / f0, where f0 is the frequency the source sends: above Mach 1 nothing is heard before the boom, and after it two streams of wavefronts arrive at once. Speed slows both clocks and the sound alike.</source>
        <translation>La tercera vista, oída desde el suelo, sigue un sobrevuelo con un reloj propio: la fuente vuela hacia la izquierda para M &gt; 0, a la altura H sobre un oyente, y la vista se aleja a medida que la fuente se aleja, para que ambos sigan a la vista; su barra de escala da la escala del momento. La curva de debajo muestra la frecuencia oída frente al tiempo, como f / f0, donde f0 es la frecuencia que emite la fuente: por encima de Mach 1 no se oye nada antes del estampido, y después llegan a la vez dos corrientes de frentes de onda. La velocidad de reproducción ralentiza por igual los dos relojes y el sonido.</translation>
    </message>
    <message>
        <source>After START, and when H changes, the page&apos;s address holds M, nWave, tMax and H: a link to it opens the page on the same set-up, so that one file serves several slides.</source>
        <translation>Después de INICIAR, y cuando cambia H, la dirección de la página contiene M, nWave, tMax y H: un enlace a ella abre la página con los mismos valores, de modo que un solo archivo sirve para varias diapositivas.</translation>
    </message>
    <message>
        <source>silence until %1 s, when the first wavefront arrives</source>
        <translation>silencio hasta %1 s, cuando llega el primer frente de onda</translation>
    </message>
    <message>
        <source>heard now: %1 Hz = %2 f0 and %3 Hz = %4 f0</source>
        <translation>oído ahora: %1 Hz = %2 f0 y %3 Hz = %4 f0</translation>
    </message>
    <message>
        <source>The source sends a wavefront every %1 s (f0 = %2 Hz) from %3 s to %4 s, and none before or after.</source>
        <translation>La fuente emite un frente de onda cada %1 s (f0 = %2 Hz) desde %3 s hasta %4 s, y ninguno antes ni después.</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
    <message>
        <source>The tone is transposed: it plays %1 Hz × f / f0, one tone for each stream of wavefronts.</source>
        <translation>El tono está transpuesto: suena a %1 Hz × f / f0, un tono por cada corriente de frentes de onda.</translation>
    </message>
    <message>
        <source>The frequency heard against time: f / f0 for each wavefront when it reaches the listener</source>
        <translation>La frecuencia oída frente al tiempo: f / f0 de cada frente de onda cuando llega al oyente</translation>
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
        <translation>muy por delante</translation>
    </message>
    <message>
        <source>far behind</source>
        <translation>muy por detrás</translation>
    </message>
    <message>
        <source>Far ahead the listener hears %1 f0 (%2 Hz), far behind %3 f0 (%4 Hz).</source>
        <translation>Muy por delante el oyente oye %1 f0 (%2 Hz), muy por detrás %3 f0 (%4 Hz).</translation>
    </message>
    <message>
        <source>Far behind the listener hears %1 f0 (%2 Hz); the wavefronts sent long before the pass all arrive together just after it.</source>
        <translation>Muy por detrás el oyente oye %1 f0 (%2 Hz); los frentes de onda emitidos mucho antes del paso llegan todos juntos justo después de él.</translation>
    </message>
    <message>
        <source>The boom reaches the listener at %1 s; after it two streams of wavefronts arrive at once:</source>
        <translation>El estampido llega al oyente a los %1 s; después llegan a la vez dos corrientes de frentes de onda:</translation>
    </message>
    <message>
        <source>sent before %1 s, heard in reverse order</source>
        <translation>emitidos antes de %1 s, oídos en orden inverso</translation>
    </message>
    <message>
        <source>sent after %1 s, heard in the order sent</source>
        <translation>emitidos después de %1 s, oídos en el orden de emisión</translation>
    </message>
    <message>
        <source>every wavefront, heard in the order sent</source>
        <translation>cada frente de onda, oído en el orden de emisión</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Press START to begin the animation.</source>
        <translation>Pulse INICIAR para comenzar la animación.</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>At rest at Mach %1: the wavefronts are concentric circles around the source</source>
        <translation>Fuente en reposo, número de Mach %1: los frentes de onda son círculos concéntricos alrededor de la fuente</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1: the source stays inside its wavefronts</source>
        <translation>Subsónico, número de Mach %1: la fuente permanece dentro de sus frentes de onda</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts</source>
        <translation>Subsónico, número de Mach %1, en sentido contrario: la fuente permanece dentro de sus frentes de onda</translation>
    </message>
    <message>
        <source>Sonic at Mach %1: every wavefront touches the source</source>
        <translation>Sónico, número de Mach %1: cada frente de onda toca la fuente</translation>
    </message>
    <message>
        <source>Sonic at Mach %1, moving the other way: every wavefront touches the source</source>
        <translation>Sónico, número de Mach %1, en sentido contrario: cada frente de onda toca la fuente</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Supersónico, número de Mach %1: un cono de Mach con un ángulo de Mach de %2 grados</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1, moving the other way: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Supersónico, número de Mach %1, en sentido contrario: un cono de Mach con un ángulo de Mach de %2 grados</translation>
    </message>
    <message>
        <source>a wavefront every %1 s</source>
        <translation>un frente de onda cada %1 s</translation>
    </message>
    <message>
        <source>a wavefront every %1 s, less than one frame of %2 s: the picture stands still</source>
        <translation>un frente de onda cada %1 s, menos de un fotograma de %2 s: la imagen queda inmóvil</translation>
    </message>
    <message>
        <source>with no wavefront drawn</source>
        <translation>sin ningún frente de onda dibujado</translation>
    </message>
    <message>
        <source>a negative time span: only the youngest wavefront is drawn and the picture stands still</source>
        <translation>un intervalo de tiempo negativo: solo se dibuja el frente de onda más reciente y la imagen queda inmóvil</translation>
    </message>
    <message>
        <source>a negative time span: only the %3 youngest wavefronts are drawn and the picture stands still</source>
        <translation>un intervalo de tiempo negativo: solo se dibujan los %3 frentes de onda más recientes y la imagen queda inmóvil</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The Mach number M is too large: enter a number such as %1 to %2.</source>
        <translation>El número de Mach M es demasiado grande: introduzca un número, por ejemplo de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too large: enter a number from %1 to %2.</source>
        <translation>El número de frentes de onda nWave es demasiado grande: introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The time span tMax is too large: enter a number of seconds such as %1 to %2.</source>
        <translation>El intervalo de tiempo tMax es demasiado grande: introduzca un número de segundos, por ejemplo de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be 0: enter a number from %1 to %2.</source>
        <translation>El número de frentes de onda nWave no puede ser 0: introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is not a number, so it reads as 0: enter a number from %1 to %2.</source>
        <translation>El número de frentes de onda nWave no es un número, así que vale 0: introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too small for this time span: enter a number from %1 to %2.</source>
        <translation>El número de frentes de onda nWave es demasiado pequeño para este intervalo de tiempo: introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw with these wavefronts: enter a number from %1 to %2.</source>
        <translation>El número de Mach M es demasiado grande para dibujar estos frentes de onda: introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The time span tMax is too long to draw at this Mach number: enter a number of seconds from %1 to %2.</source>
        <translation>El intervalo de tiempo tMax es demasiado largo para dibujar con este número de Mach: introduzca un número de segundos de %1 a %2.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw at any time span: enter a number from %1 to %2.</source>
        <translation>El número de Mach M es demasiado grande para dibujar con cualquier intervalo de tiempo: introduzca un número de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be more than %2: enter a number from %1 to %2.</source>
        <translation>El número de frentes de onda nWave no puede ser mayor que %2: introduzca un número de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera de rango</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>La operación ha fallado</translation>
    </message>
    <message>
        <source>a number was divided by 0</source>
        <translation>se ha dividido un número entre 0</translation>
    </message>
    <message>
        <source>the number is too large for a double</source>
        <translation>el número es demasiado grande para la doble precisión</translation>
    </message>
    <message>
        <source>a sum is too large for a double</source>
        <translation>una suma es demasiado grande para la doble precisión</translation>
    </message>
    <message>
        <source>a product is too large for a double</source>
        <translation>un producto es demasiado grande para la doble precisión</translation>
    </message>
    <message>
        <source>a quotient is too large for a double</source>
        <translation>un cociente es demasiado grande para la doble precisión</translation>
    </message>
    <message>
        <source>a coordinate is too large for single precision</source>
        <translation>una coordenada es demasiado grande para la precisión simple</translation>
    </message>
    <message>
        <source>the time of day could not be read</source>
        <translation>no se ha podido leer la hora</translation>
    </message>
    <message>
        <source>the time of day could not be written as text</source>
        <translation>no se ha podido escribir la hora como texto</translation>
    </message>
    <message>
        <source>the picture&apos;s world window has no extent</source>
        <translation>la ventana de coordenadas de la imagen no tiene extensión</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>slot %1 does not exist; the slots run from 0 to %2</source>
        <translation>la posición %1 no existe; las posiciones van de 0 a %2</translation>
    </message>
</context>
</TS>
