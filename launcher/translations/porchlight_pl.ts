<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Porchlight</name>
    <message>
        <location filename="../Launcher.h" line="+44"/>
        <source>DirectX9 Installation</source>
        <translation>Instalacja DirectX9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot find your Windows System folder</source>
        <translation>Nie można znaleźć folderu systemowego Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although you have DirectX9 installed, you still need to make sure that a particular DirectX9 file (libSDL2-2.0.so.0) is installed,
which may not have been included in your version of DirectX9.

Please use the following installer to add this file, then restart Quizvale when finished
(Note: if for any reason the install fails, you can install manually by running &apos;install-runtime.sh&apos; from the &apos;DirectX&apos; folder, located inside your &apos;Quizvale&apos; folder)</source>
        <translation>Masz już zainstalowany DirectX9, ale musisz jeszcze upewnić się, że jest zainstalowany pewien plik DirectX9 (libSDL2-2.0.so.0),
którego może brakować w twojej wersji DirectX9.

Dodaj ten plik za pomocą poniższego instalatora, a po zakończeniu uruchom ponownie Quizvale
(Uwaga: jeśli z jakiegoś powodu instalacja się nie powiedzie, możesz zainstalować plik ręcznie, uruchamiając „install-runtime.sh” z folderu „DirectX” w folderze „Quizvale”)</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="+25"/>
        <source>The launcher of Quizvale: checks that the game&apos;s graphics runtime is installed, then
starts the game (or offers to install the runtime).</source>
        <translation>Program startowy Quizvale: sprawdza, czy środowisko graficzne gry jest zainstalowane,
a następnie uruchamia grę (lub proponuje instalację środowiska).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>print what would be started, one line each, instead of starting it</source>
        <translation>zamiast uruchamiać, wypisz polecenia, które zostałyby uruchomione (każde w osobnym wierszu)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installed as the command quizvale.</source>
        <translation>Zainstalowany jako polecenie quizvale.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usage:</source>
        <translation>Użycie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print this help and exit</source>
        <translation>wypisz tę pomoc i zakończ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print the version and exit</source>
        <translation>wypisz wersję i zakończ</translation>
    </message>
    <message>
        <location filename="../QtMessageBox.cpp" line="+61"/>
        <source>Don&apos;t show again</source>
        <translation>Nie pokazuj więcej</translation>
    </message>
</context>
</TS>
