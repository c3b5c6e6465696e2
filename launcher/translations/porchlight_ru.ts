<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Porchlight</name>
    <message>
        <location filename="../Launcher.h" line="+44"/>
        <source>DirectX9 Installation</source>
        <translation>Установка DirectX9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot find your Windows System folder</source>
        <translation>Не удаётся найти системную папку Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although you have DirectX9 installed, you still need to make sure that a particular DirectX9 file (libSDL2-2.0.so.0) is installed,
which may not have been included in your version of DirectX9.

Please use the following installer to add this file, then restart Quizvale when finished
(Note: if for any reason the install fails, you can install manually by running &apos;install-runtime.sh&apos; from the &apos;DirectX&apos; folder, located inside your &apos;Quizvale&apos; folder)</source>
        <translation>DirectX9 у вас установлен, но нужно ещё убедиться, что установлен определённый файл DirectX9 (libSDL2-2.0.so.0),
которого может не быть в вашей версии DirectX9.

Добавьте этот файл с помощью следующей программы установки, а затем перезапустите Quizvale
(Примечание: если установка по какой-либо причине не удастся, можно установить файл вручную, запустив &apos;install-runtime.sh&apos; из папки &apos;DirectX&apos; внутри папки &apos;Quizvale&apos;)</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="+25"/>
        <source>The launcher of Quizvale: checks that the game&apos;s graphics runtime is installed, then
starts the game (or offers to install the runtime).</source>
        <translation>Программа запуска Quizvale: проверяет, установлена ли графическая среда выполнения игры,
и запускает игру (или предлагает установить эту среду).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>print what would be started, one line each, instead of starting it</source>
        <translation>вывести, что было бы запущено (по строке на команду), не запуская</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installed as the command quizvale.</source>
        <translation>Устанавливается как команда quizvale.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usage:</source>
        <translation>Использование:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <location filename="../QtMessageBox.cpp" line="+61"/>
        <source>Don&apos;t show again</source>
        <translation>Больше не показывать</translation>
    </message>
</context>
</TS>
