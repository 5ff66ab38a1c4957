<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AngleMark</name>
    <message>
        <source>%1º</source>
        <extracomment>The angle the mark measures: the number, then the angle label&apos;s degree sign.</extracomment>
        <translation>%1°</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Sobre Torsiva</source>
        <translation>About Torsiva</translation>
    </message>
    <message>
        <source>Torsiva</source>
        <translation>Torsiva</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hélices sobre el cilindro, el cono y la esfera.</source>
        <translation>Helices on the cylinder, the cone and the sphere.</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Licencia MIT</source>
        <translation>MIT License</translation>
    </message>
    <message>
        <source>Icono de Torsiva: una hélice sobre un cilindro</source>
        <translation>Torsiva icon: a helix on a cylinder</translation>
    </message>
</context>
<context>
    <name>CFigureApp</name>
    <message>
        <source>torsiva: no hay pantalla: la ventana necesita DISPLAY o WAYLAND_DISPLAY, o la opción -platform.
</source>
        <translation>torsiva: no display: the window needs DISPLAY or WAYLAND_DISPLAY, or the -platform option.
</translation>
    </message>
    <message>
        <source>torsiva: no se pudo escribir en la salida estándar: %1
</source>
        <translation>torsiva: could not write to the standard output: %1
</translation>
    </message>
    <message>
        <source>torsiva: no se pudo abrir la ventana: la plataforma «%1» no arranca.
</source>
        <translation>torsiva: cannot open the window: the platform &apos;%1&apos; does not start.
</translation>
    </message>
</context>
<context>
    <name>CFigureDlg</name>
    <message>
        <source>Torsiva</source>
        <translation>Torsiva</translation>
    </message>
    <message>
        <source>Curvas</source>
        <translation>Curves</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Barra Z: tamaño de la imagen</source>
        <translation>Z bar: size of the picture</translation>
    </message>
    <message>
        <source>Barra P: distancia del ojo</source>
        <translation>P bar: distance of the eye</translation>
    </message>
    <message>
        <source>Sobre Torsiva</source>
        <translation>About Torsiva</translation>
    </message>
    <message>
        <source>Instrucciones</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Barra A: ángulo de la curva</source>
        <translation>A bar: angle of the curve</translation>
    </message>
    <message>
        <source>&amp;Acerca de torsiva...</source>
        <translation>&amp;About torsiva...</translation>
    </message>
    <message>
        <source>A</source>
        <comment>letter under the angle bar</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Z</source>
        <comment>letter under the zoom bar</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>P</source>
        <comment>letter under the eye-distance bar</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>Líneas suavizadas</source>
        <translation>Smooth lines</translation>
    </message>
    <message>
        <source>Todavía no hay figura: elija una curva</source>
        <translation>No figure yet: choose a curve</translation>
    </message>
    <message>
        <source>%1, ángulo %2º</source>
        <translation>%1, angle %2°</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Desarrollo</source>
        <translation>Development</translation>
    </message>
    <message>
        <source>Desarrollo: todavía no hay figura</source>
        <translation>Development: no figure yet</translation>
    </message>
    <message>
        <source>Partes ocultas</source>
        <translation>Hidden parts</translation>
    </message>
    <message>
        <source>Ángulo en un punto</source>
        <translation>Angle at a point</translation>
    </message>
    <message>
        <source>Animar</source>
        <translation>Animate</translation>
    </message>
    <message>
        <source>θ</source>
        <extracomment>The curve&apos;s parameter: θ for the loxodrome, t for the helices.</extracomment>
        <translation>θ</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>; punto en %1 = %2, ángulo medido %3</source>
        <translation>; point at %1 = %2, measured angle %3</translation>
    </message>
    <message>
        <source>; punto en %1 = %2, sin ángulo: la curva no tiene dirección ahí</source>
        <translation>; point at %1 = %2, no angle: the curve has no direction there</translation>
    </message>
</context>
<context>
    <name>CInstructionsDlg</name>
    <message>
        <source>INSTRUCCIONES</source>
        <translation>INSTRUCTIONS</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>
1. Curvas:
</source>
        <translation>
1. Curves:
</translation>
    </message>
    <message>
        <source>    Se elige la curva a representar. Cada vez que se presiona se iniciliza la figura.
</source>
        <translation>    Chooses the curve to draw. Each time one is pressed, the figure is initialised.
</translation>
    </message>
    <message>
        <source>
2. Botón izquierdo del ratón:
</source>
        <translation>
2. Left mouse button:
</translation>
    </message>
    <message>
        <source>    Pulsándolo sobre un punto de la imagen y arrastrando sin soltar la imagen se mueve.
</source>
        <translation>    Pressing it on a point of the picture and dragging without letting go moves the picture.
</translation>
    </message>
    <message>
        <source>
3. Barra A
</source>
        <translation>
3. A bar
</translation>
    </message>
    <message>
        <source>    Se elige el ángulo que forma la curva con las generatrices del objeto base: cilindro, cono o esfera.
</source>
        <translation>    Chooses the angle the curve makes with the generatrices of the base object: cylinder, cone or sphere.
</translation>
    </message>
    <message>
        <source>
4. Barra Z
</source>
        <translation>
4. Z bar
</translation>
    </message>
    <message>
        <source>    Se amplía o encoge la imagen. Solo cambia el tamaño.
</source>
        <translation>    Enlarges or shrinks the picture. Only the size changes.
</translation>
    </message>
    <message>
        <source>
5. Barra P
</source>
        <translation>
5. P bar
</translation>
    </message>
    <message>
        <source>    Se modifica la perspectiva alejando o acercando el ojo del observador al objeto. Cuanto menos es la distancia más se distorsiona la imagen.
</source>
        <translation>    Changes the perspective by moving the observer&apos;s eye away from or towards the object. The shorter the distance, the more the picture distorts.
</translation>
    </message>
    <message>
        <source>Teclado:</source>
        <translation>Keyboard:</translation>
    </message>
    <message>
        <source>    Ctrl + flechas: giran la figura como un arrastre corto con el ratón.</source>
        <translation>    Ctrl + arrows: turn the figure like a short drag with the mouse.</translation>
    </message>
    <message>
        <source>    Ctrl + «+» y Ctrl + «-»: amplían o encogen la imagen, como la barra Z.</source>
        <translation>    Ctrl + «+» and Ctrl + «-»: enlarge or shrink the picture, like the Z bar.</translation>
    </message>
    <message>
        <source>    Flechas arriba y abajo sobre una barra: la mueven un paso.</source>
        <translation>    Up and down arrows on a bar: move it one step.</translation>
    </message>
    <message>
        <source>    Tabulador: pasa al control siguiente. Intro: pulsa el botón que tiene el foco.</source>
        <translation>    Tab: moves to the next control. Enter: presses the button that has the focus.</translation>
    </message>
    <message>
        <source>    Ctrl + D, o «Desarrollo» en el menú del botón «Ver»: muestra al lado la superficie desarrollada en el plano, donde la curva corta las generatrices con el mismo ángulo.</source>
        <translation>    Ctrl + D, or «Development» in the menu of the «View» button: shows beside the figure its surface laid out in the plane, where the curve crosses the generatrices at the same angle.</translation>
    </message>
    <message>
        <source>    Ctrl + H, o «Partes ocultas» en el mismo menú: dibuja el contorno de la superficie tal como lo ve el ojo y, a trazos, las partes de la curva que la superficie oculta; las generatrices ocultas no se dibujan.</source>
        <translation>    Ctrl + H, or «Hidden parts» in the same menu: draws the surface's contour as the eye sees it and, dashed, the parts of the curve that the surface hides; the hidden generatrices are not drawn.</translation>
    </message>
    <message>
        <source>    Ctrl + T, o «Ángulo en un punto» en el menú del botón «Ver»: marca un punto de la curva con la generatriz, la tangente y el ángulo que forman, que es el mismo en todos los puntos. Mayúsculas + flechas izquierda y derecha lo mueven por la curva, y un clic en el desarrollo lo lleva allí. Espacio, o «Animar»: lo recorre.</source>
        <translation>    Ctrl + T, or «Angle at a point» in the menu of the «View» button: marks a point of the curve with the generatrix, the tangent and the angle between them, which is the same at every point. Shift + the left and right arrows move it along the curve, and a click in the development takes it there. Space, or «Animate»: runs it along the curve.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Hélices sobre el cilindro, el cono y la esfera, en perspectiva central.</source>
        <translation>Helices on the cylinder, the cone and the sphere, in central perspective.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Empieza como al pulsar el botón de la figura: helix (hélice), conical (hélice cónica) o spherical (hélice esférica).</source>
        <translation>Starts as if the figure&apos;s button had been pressed: helix, conical (conical helix) or spherical (spherical helix).</translation>
    </message>
    <message>
        <source>figura</source>
        <translation>figure</translation>
    </message>
    <message>
        <source>Con --figure, pone el ángulo como al soltar la barra A en &lt;N&gt; grados; se ajusta al intervalo de la figura.</source>
        <translation>With --figure, sets the angle as releasing the A bar at &lt;N&gt; degrees would; it is clamped to the figure&apos;s range.</translation>
    </message>
    <message>
        <source>Argumento inesperado «%1».</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Figura desconocida «%1»: se espera helix, conical o spherical.</source>
        <translation>Unknown figure &apos;%1&apos;: expected helix, conical or spherical.</translation>
    </message>
    <message>
        <source>--angle necesita --figure.</source>
        <translation>--angle needs --figure.</translation>
    </message>
    <message>
        <source>Ángulo no válido «%1»: se espera un número entero de grados.</source>
        <translation>Invalid angle &apos;%1&apos;: expected a whole number of degrees.</translation>
    </message>
    <message>
        <source>La opción --%1 aparece más de una vez.</source>
        <translation>The option --%1 is given more than once.</translation>
    </message>
    <message>
        <source>Muestra el desarrollo de la superficie junto a la figura, como la opción «Desarrollo», sin recordarlo para la próxima vez.</source>
        <translation>Shows the surface laid out in the plane beside the figure, as the «Development» option does, without remembering it for the next run.</translation>
    </message>
    <message>
        <source>Dibuja el contorno y, a trazos, las partes de la curva que la superficie oculta, como la opción «Partes ocultas», sin recordarlo para la próxima vez.</source>
        <translation>Draws the contour and, dashed, the parts of the curve that the surface hides, as the «Hidden parts» option does, without remembering it for the next run.</translation>
    </message>
    <message>
        <source>Marca el ángulo en un punto de la curva, como la opción «Ángulo en un punto».</source>
        <translation>Marks the angle at a point of the curve, as the «Angle at a point» option does.</translation>
    </message>
</context>
<context>
    <name>FigureTitles</name>
    <message>
        <source>Ángulo = %1º</source>
        <translation>Angle = %1°</translation>
    </message>
    <message>
        <source>Hélice</source>
        <translation>Helix</translation>
    </message>
    <message>
        <source>Hélice cónica</source>
        <translation>Conical helix</translation>
    </message>
    <message>
        <source>Hélice esférica</source>
        <translation>Spherical helix</translation>
    </message>
    <message>
        <source>Desarrollo del cilindro: la hélice es una recta</source>
        <translation>Development of the cylinder: the helix is a straight line</translation>
    </message>
    <message>
        <source>Desarrollo del cono: la hélice cónica es una espiral logarítmica</source>
        <translation>Development of the cone: the conical helix is a logarithmic spiral</translation>
    </message>
    <message>
        <source>Mapa de Mercator de la esfera: la hélice esférica es una recta</source>
        <translation>Mercator map of the sphere: the spherical helix is a straight line</translation>
    </message>
</context>
<context>
    <name>PictureArea</name>
    <message>
        <source>Imagen de la figura</source>
        <translation>Picture of the figure</translation>
    </message>
</context>
<context>
    <name>PictureCaption</name>
    <message>
        <source>%1 — %2</source>
        <extracomment>Printed under the picture: the figure&apos;s name, then the angle label.</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>PictureExportActions</name>
    <message>
        <source>Guardar imagen</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Imagen SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG image (*.svg)</translation>
    </message>
    <message>
        <source>No se pudo guardar la imagen en «%1».</source>
        <translation>The picture could not be saved to “%1”.</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>No se pudo imprimir la imagen.</source>
        <translation>The picture could not be printed.</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Copiar imagen</source>
        <translation>Copy Picture</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>No se pudo imprimir la imagen en «%1».</source>
        <translation>The picture could not be printed to “%1”.</translation>
    </message>
    <message>
        <source>No se pudo hacer el PDF.</source>
        <translation>The PDF could not be made.</translation>
    </message>
    <message>
        <source>La impresora no acepta el trabajo.</source>
        <translation>The printer does not accept the job.</translation>
    </message>
    <message>
        <source>La impresora no terminó el trabajo.</source>
        <translation>The printer did not finish the job.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>El nombre no tiene extensión; termínelo en .png o en .svg.</source>
        <translation>The name has no extension; end it in .png or .svg.</translation>
    </message>
    <message>
        <source>No se puede guardar como «.%1»; termine el nombre en .png o en .svg.</source>
        <translation>Cannot save as “.%1”; end the name in .png or .svg.</translation>
    </message>
    <message>
        <source>No hay imagen que guardar.</source>
        <translation>There is no picture to save.</translation>
    </message>
    <message>
        <source>No es un archivo normal.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>La carpeta no existe.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>No se puede crear el archivo (%1).</source>
        <translation>The file cannot be created (%1).</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo; quizá el disco esté lleno (%1).</source>
        <translation>The file could not be written; the disk may be full (%1).</translation>
    </message>
    <message>
        <source>No se pudo terminar el archivo; quizá el disco esté lleno (%1).</source>
        <translation>The file could not be completed; the disk may be full (%1).</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Guardar SVG</source>
        <translation>Save SVG</translation>
    </message>
</context>
</TS>
