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
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Modificado en abril de 2007</translation>
    </message>
    <message>
        <source>For comments and questions e-mail to</source>
        <translation>Comentarios y preguntas por correo a</translation>
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
        <translation>un frente de onda cada %1 s, menos que un fotograma de %2 s: la imagen queda inmóvil</translation>
    </message>
    <message>
        <source>with no wavefront drawn</source>
        <translation>sin ningún frente de onda dibujado</translation>
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
        <source>The number of wavefronts nWave cannot be more than 50: enter a number from %1 to %2.</source>
        <translation>El número de frentes de onda nWave no puede ser mayor que 50: introduzca un número de %1 a %2.</translation>
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
        <source>the picture's world window has no extent</source>
        <translation>la ventana de coordenadas de la imagen no tiene extensión</translation>
    </message>
</context>
</TS>
