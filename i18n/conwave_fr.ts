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
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Modifié en avril 2007</translation>
    </message>
    <message>
        <source>For comments and questions e-mail to</source>
        <translation>Questions et remarques par courriel à</translation>
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
        <translation>Source au repos, nombre de Mach %1 : les fronts d’onde sont des cercles concentriques autour de la source</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1: the source stays inside its wavefronts</source>
        <translation>Subsonique, nombre de Mach %1 : la source reste à l’intérieur de ses fronts d’onde</translation>
    </message>
    <message>
        <source>Subsonic at Mach %1, moving the other way: the source stays inside its wavefronts</source>
        <translation>Subsonique, nombre de Mach %1, déplacement en sens inverse : la source reste à l’intérieur de ses fronts d’onde</translation>
    </message>
    <message>
        <source>Sonic at Mach %1: every wavefront touches the source</source>
        <translation>Sonique, nombre de Mach %1 : chaque front d’onde touche la source</translation>
    </message>
    <message>
        <source>Sonic at Mach %1, moving the other way: every wavefront touches the source</source>
        <translation>Sonique, nombre de Mach %1, déplacement en sens inverse : chaque front d’onde touche la source</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Supersonique, nombre de Mach %1 : un cône de Mach d’angle de Mach %2 degrés</translation>
    </message>
    <message>
        <source>Supersonic at Mach %1, moving the other way: a Mach cone with a Mach angle of %2 degrees</source>
        <translation>Supersonique, nombre de Mach %1, déplacement en sens inverse : un cône de Mach d’angle de Mach %2 degrés</translation>
    </message>
    <message>
        <source>a wavefront every %1 s</source>
        <translation>un front d’onde toutes les %1 s</translation>
    </message>
    <message>
        <source>a wavefront every %1 s, less than one frame of %2 s: the picture stands still</source>
        <translation>un front d’onde toutes les %1 s, moins qu’une image de %2 s : l’image reste immobile</translation>
    </message>
    <message>
        <source>with no wavefront drawn</source>
        <translation>sans aucun front d’onde dessiné</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The Mach number M is too large: enter a number such as %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand : entrez un nombre, par exemple de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too large: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave est trop grand : entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The time span tMax is too large: enter a number of seconds such as %1 to %2.</source>
        <translation>La durée tMax est trop grande : entrez un nombre de secondes, par exemple de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be 0: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave ne peut pas valoir 0 : entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is not a number, so it reads as 0: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave n’est pas un nombre, il vaut donc 0 : entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave cannot be more than 50: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave ne peut pas dépasser 50 : entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of wavefronts nWave is too small for this time span: enter a number from %1 to %2.</source>
        <translation>Le nombre de fronts d’onde nWave est trop petit pour cette durée : entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw with these wavefronts: enter a number from %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand pour dessiner ces fronts d’onde : entrez un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>The time span tMax is too long to draw at this Mach number: enter a number of seconds from %1 to %2.</source>
        <translation>La durée tMax est trop longue pour dessiner à ce nombre de Mach : entrez un nombre de secondes de %1 à %2.</translation>
    </message>
    <message>
        <source>The Mach number M is too large to draw at any time span: enter a number from %1 to %2.</source>
        <translation>Le nombre de Mach M est trop grand pour dessiner, quelle que soit la durée : entrez un nombre de %1 à %2.</translation>
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
        <source>the picture's world window has no extent</source>
        <translation>la fenêtre de coordonnées de l’image n’a pas d’étendue</translation>
    </message>
</context>
</TS>
