<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Porchlight</name>
    <message>
        <location filename="../Launcher.h" line="+44"/>
        <source>DirectX9 Installation</source>
        <translation>Instalación de DirectX9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot find your Windows System folder</source>
        <translation>No se encuentra la carpeta System de Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although you have DirectX9 installed, you still need to make sure that a particular DirectX9 file (libSDL2-2.0.so.0) is installed,
which may not have been included in your version of DirectX9.

Please use the following installer to add this file, then restart Quizvale when finished
(Note: if for any reason the install fails, you can install manually by running &apos;install-runtime.sh&apos; from the &apos;DirectX&apos; folder, located inside your &apos;Quizvale&apos; folder)</source>
        <translation>Aunque tienes DirectX9 instalado, debes asegurarte de que también lo está un archivo concreto de DirectX9 (libSDL2-2.0.so.0),
que puede no venir incluido en tu versión de DirectX9.

Usa el siguiente instalador para añadir este archivo y, cuando termine, vuelve a iniciar Quizvale
(Nota: si por algún motivo la instalación falla, puedes instalarlo manualmente ejecutando &apos;install-runtime.sh&apos; desde la carpeta &apos;DirectX&apos;, que está dentro de tu carpeta &apos;Quizvale&apos;)</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="+25"/>
        <source>The launcher of Quizvale: checks that the game&apos;s graphics runtime is installed, then
starts the game (or offers to install the runtime).</source>
        <translation>El lanzador de Quizvale: comprueba que el entorno de ejecución gráfico del juego
está instalado y después inicia el juego (o se ofrece a instalar ese entorno).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>print what would be started, one line each, instead of starting it</source>
        <translation>mostrar lo que se iniciaría, una línea por elemento, sin iniciarlo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installed as the command quizvale.</source>
        <translation>Instalado como la orden quizvale.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <location filename="../QtMessageBox.cpp" line="+61"/>
        <source>Don&apos;t show again</source>
        <translation>No volver a mostrar</translation>
    </message>
</context>
</TS>
