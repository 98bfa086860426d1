<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DesignControls</name>
    <message>
        <source>Thornax banner</source>
        <translation>Banner de Thornax</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>START</source>
        <translation>INICIO</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Starts the level</source>
        <translation>Empieza el nivel</translation>
    </message>
    <message>
        <source>Drill button, left</source>
        <translation>Botón de ejercicio, izquierda</translation>
    </message>
    <message>
        <source>Drill button, middle</source>
        <translation>Botón de ejercicio, centro</translation>
    </message>
    <message>
        <source>Drill button, right</source>
        <translation>Botón de ejercicio, derecha</translation>
    </message>
    <message>
        <source>Module 1: Installer Guide</source>
        <translation>Módulo 1: Guía del instalador</translation>
    </message>
    <message>
        <source>The rules are simple, just hit the [Next] button.</source>
        <translation>Las reglas son sencillas: dale al botón [Siguiente].</translation>
    </message>
    <message>
        <source>If you click wrong, time will be removed.</source>
        <translation>Si haces clic donde no toca, se te quita tiempo.</translation>
    </message>
    <message>
        <source>15 right clicks in the time for next level .</source>
        <translation>15 clics buenos a tiempo para el siguiente nivel.</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>You finished level %1.Get ready for the next one!</source>
        <translation>Has terminado el nivel %1. ¡Prepárate para el siguiente!</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>¡Has completado este módulo!</translation>
    </message>
    <message>
        <source>Time&apos;s out biatch! You scored %1 of 15.</source>
        <translation>¡Se acabó el tiempo, pringado! Has acertado %1 de 15.</translation>
    </message>
    <message>
        <source>Remaining time:%1 seconds.</source>
        <translation>Tiempo restante: %1 segundos.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>A brown fox jumps over the river, which has been polluted by the acid rains.</source>
        <translation>Un zorro marrón salta sobre el río, que ha sido contaminado por la lluvia ácida.</translation>
    </message>
    <message>
        <source>A white man said that the yellow banana was rotten. The asian girl said, no it is not rotten!</source>
        <translation>Un hombre blanco dijo que el plátano amarillo estaba podrido. La chica asiática dijo, ¡no, no está podrido!</translation>
    </message>
    <message>
        <source>A green basket on the green man had a green stick in his green hand and the green light said, May it be yellow!</source>
        <translation>Una cesta verde sobre el hombre verde tenía un palo verde en su mano verde y la luz verde dijo, ¡Que sea amarilla!</translation>
    </message>
    <message>
        <source>Please retype the following text</source>
        <translation>Vuelve a escribir el texto siguiente</translation>
    </message>
    <message>
        <source>Just try to retype the text shown in this frame in the textbox below.</source>
        <translation>Simplemente intenta escribir el texto de este marco en el cuadro de abajo.</translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation>Tiempo transcurrido:</translation>
    </message>
    <message>
        <source>Chars / second:</source>
        <translation>Caracteres / segundo:</translation>
    </message>
    <message>
        <source>SCORE:</source>
        <translation>NOTA:</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INICIO</translation>
    </message>
    <message>
        <source>Press this button to start the exercise!</source>
        <translation>¡Pulsa este botón para empezar el ejercicio!</translation>
    </message>
    <message>
        <source>Typing box</source>
        <translation>Cuadro de escritura</translation>
    </message>
    <message>
        <source>Retype the sentence here</source>
        <translation>Vuelve a escribir la frase aquí</translation>
    </message>
    <message>
        <source>Sentence to retype</source>
        <translation>Frase que hay que escribir</translation>
    </message>
    <message>
        <source>Module 2: Typing</source>
        <translation>Módulo 2: Mecanografía</translation>
    </message>
    <message>
        <source>Chars / second: %1</source>
        <translation>Caracteres / segundo: %1</translation>
    </message>
    <message>
        <source>Elapsed time: %1 seconds</source>
        <translation>Tiempo transcurrido: %1 segundos</translation>
    </message>
    <message>
        <source>SCORE: %1</source>
        <translation>NOTA: %1</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>¡Has completado este módulo!</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Module 3: Scroll</source>
        <translation>Módulo 3: Desplazamiento</translation>
    </message>
    <message>
        <source>You have completed this module!</source>
        <translation>¡Has completado este módulo!</translation>
    </message>
    <message>
        <source>START</source>
        <translation>INICIO</translation>
    </message>
    <message>
        <source>Magic number</source>
        <translation>Número mágico</translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation>Barra %1</translation>
    </message>
    <message>
        <source>Value of bar %1</source>
        <translation>Valor de la barra %1</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Hereby, %1 is a Thornax certificated Windows%2 user.%3He can, and will use the operating system with full effiency.%3He is also considered indeed suitable for all kinds of jobs, such as programmer, network technician, even a member of the Frostlan tech-Crew.</source>
        <extracomment>%1 is the name typed, %2 the trade mark sign, %3 starts a new paragraph.</extracomment>
        <translation>Por la presente, %1 es un usuario de Windows%2 certificado por Thornax.%3Puede, y lo hará, usar el sistema operativo con plena eficiencia.%3Además se le considera de lo más apto para toda clase de trabajos, como programador, técnico de redes, e incluso miembro de la Tech-Crew de Frostlan.</translation>
    </message>
    <message>
        <source>ThorNax Certificate</source>
        <translation>Certificado ThorNax</translation>
    </message>
    <message>
        <source>Windows%1 is a registered trademark of Microsoft%1 Coporation</source>
        <extracomment>%1 is the trade mark sign.</extracomment>
        <translation>Windows%1 es una marca registrada de Microsoft%1 Corporation</translation>
    </message>
    <message>
        <source>Medal</source>
        <translation>Medalla</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Please enter your name</source>
        <translation>Escribe tu nombre, por favor</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Thornax Explorer</source>
        <translation>Thornax Explorer</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>It seems as if that site is censored!%1We will direct you to an uncensored site!</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation>¡Parece que ese sitio está censurado!%1¡Te llevamos a un sitio sin censura!</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Módulo</translation>
    </message>
    <message>
        <source>Module 1: The Installer</source>
        <translation>Módulo 1: El instalador</translation>
    </message>
    <message>
        <source>Module 2: Scrolling</source>
        <translation>Módulo 2: Desplazamiento</translation>
    </message>
    <message>
        <source>Module 3: Typing</source>
        <translation>Módulo 3: Mecanografía</translation>
    </message>
    <message>
        <source>Get certificate</source>
        <translation>Obtener certificado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Navegador</translation>
    </message>
    <message>
        <source>You are already done with this module!</source>
        <translation>¡Ya has terminado con este módulo!</translation>
    </message>
    <message>
        <source>This is a contribution to the Mirelund Competition%1Made by the wonderful Thornax Studios</source>
        <extracomment>%1 starts the second line.</extracomment>
        <translation>Esta es una contribución al Concurso Mirelund%1Hecho por los maravillosos Thornax Studios</translation>
    </message>
</context>
<context>
    <name>StartupDecision</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options, such as -platform and -style, are accepted as well.</source>
        <translation>También se aceptan las opciones estándar de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>%1: drills hitting Next, holding scroll bars and retyping, then hands out a certificate. Nothing is saved.</source>
        <translation>%1: entrena a acertar en Siguiente, a sujetar barras de desplazamiento y a volver a escribir, y luego entrega un certificado. No se guarda nada.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Print the name and version and exit.</source>
        <translation>Mostrar el nombre y la versión y salir.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; the program takes none.</source>
        <translation>argumento inesperado &apos;%1&apos;; el programa no admite ninguno.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a desktop session, or on a virtual one with: xvfb-run %1</source>
        <translation>no se encontró ninguna pantalla (DISPLAY no está definida); inícielo desde una sesión de escritorio, o en una virtual con: xvfb-run %1</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
</context>
<context>
    <name>WebEnginePlugin</name>
    <message>
        <source>Pages are not shown to the root account: the browser&apos;s sandbox cannot run there.
Run the trainer as an ordinary user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to show pages without it.</source>
        <translation>No se muestran páginas a la cuenta root: el entorno aislado del navegador no puede funcionar allí.
Ejecute el entrenador como usuario normal, o defina QTWEBENGINE_DISABLE_SANDBOX=1 para mostrar páginas sin él.</translation>
    </message>
</context>
<context>
    <name>WebViewModule</name>
    <message>
        <source>The web view could not be loaded.</source>
        <translation>No se pudo cargar la vista web.</translation>
    </message>
    <message>
        <source>This version shows no web pages.</source>
        <translation>Esta versión no muestra páginas web.</translation>
    </message>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>No se encontró %1 en %2.</translation>
    </message>
    <message>
        <source>%1 is not a web view module.</source>
        <translation>%1 no es un módulo de vista web.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Total Score: %1</source>
        <translation>Puntuación total: %1</translation>
    </message>
    <message>
        <source>Thornax logo</source>
        <translation>Logotipo de Thornax</translation>
    </message>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source> - Certification completed</source>
        <translation> - Certificación completada</translation>
    </message>
    <message>
        <source>Finished with %1 points!</source>
        <translation>¡Terminado con %1 puntos!</translation>
    </message>
</context>
</TS>
