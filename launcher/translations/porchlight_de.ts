<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Porchlight</name>
    <message>
        <location filename="../Launcher.h" line="+44"/>
        <source>DirectX9 Installation</source>
        <translation>DirectX9-Installation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot find your Windows System folder</source>
        <translation>Ihr Windows-Systemordner wurde nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although you have DirectX9 installed, you still need to make sure that a particular DirectX9 file (libSDL2-2.0.so.0) is installed,
which may not have been included in your version of DirectX9.

Please use the following installer to add this file, then restart Quizvale when finished
(Note: if for any reason the install fails, you can install manually by running &apos;install-runtime.sh&apos; from the &apos;DirectX&apos; folder, located inside your &apos;Quizvale&apos; folder)</source>
        <translation>Obwohl DirectX9 installiert ist, müssen Sie noch sicherstellen, dass eine bestimmte DirectX9-Datei (libSDL2-2.0.so.0) installiert ist,
die Ihrer DirectX9-Version möglicherweise nicht beilag.

Bitte fügen Sie diese Datei mit dem folgenden Installationsprogramm hinzu und starten Sie Quizvale danach neu
(Hinweis: Falls die Installation aus irgendeinem Grund fehlschlägt, können Sie die Datei von Hand installieren: Führen Sie &apos;install-runtime.sh&apos; im Ordner &apos;DirectX&apos; aus, der in Ihrem Ordner &apos;Quizvale&apos; liegt)</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="+25"/>
        <source>The launcher of Quizvale: checks that the game&apos;s graphics runtime is installed, then
starts the game (or offers to install the runtime).</source>
        <translation>Der Starter von Quizvale: prüft, ob die Grafik-Laufzeitumgebung des Spiels installiert ist,
und startet dann das Spiel (oder bietet an, die Laufzeitumgebung zu installieren).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>print what would be started, one line each, instead of starting it</source>
        <translation>ausgeben, was gestartet würde (je eine Zeile), statt es zu starten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installed as the command quizvale.</source>
        <translation>Installiert als Befehl quizvale.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print this help and exit</source>
        <translation>diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print the version and exit</source>
        <translation>die Version ausgeben und beenden</translation>
    </message>
    <message>
        <location filename="../QtMessageBox.cpp" line="+61"/>
        <source>Don&apos;t show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
</TS>
