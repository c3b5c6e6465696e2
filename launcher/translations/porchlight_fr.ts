<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Porchlight</name>
    <message>
        <location filename="../Launcher.h" line="+44"/>
        <source>DirectX9 Installation</source>
        <translation>Installation de DirectX9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot find your Windows System folder</source>
        <translation>Impossible de trouver votre dossier Système de Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Although you have DirectX9 installed, you still need to make sure that a particular DirectX9 file (libSDL2-2.0.so.0) is installed,
which may not have been included in your version of DirectX9.

Please use the following installer to add this file, then restart Quizvale when finished
(Note: if for any reason the install fails, you can install manually by running &apos;install-runtime.sh&apos; from the &apos;DirectX&apos; folder, located inside your &apos;Quizvale&apos; folder)</source>
        <translation>DirectX9 est installé, mais il faut encore vérifier qu&apos;un fichier particulier de DirectX9 (libSDL2-2.0.so.0) est présent,
car il ne fait pas forcément partie de votre version de DirectX9.

Utilisez le programme d&apos;installation suivant pour ajouter ce fichier, puis relancez Quizvale une fois l&apos;opération terminée
(Remarque&#xa0;: si l&apos;installation échoue, vous pouvez l&apos;effectuer vous-même en lançant &apos;install-runtime.sh&apos; depuis le dossier &apos;DirectX&apos;, situé dans votre dossier &apos;Quizvale&apos;)</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="+25"/>
        <source>The launcher of Quizvale: checks that the game&apos;s graphics runtime is installed, then
starts the game (or offers to install the runtime).</source>
        <translation>Le lanceur de Quizvale&#xa0;: vérifie que l&apos;environnement graphique du jeu est installé, puis
démarre le jeu (ou propose d&apos;installer cet environnement).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>print what would be started, one line each, instead of starting it</source>
        <translation>afficher ce qui serait démarré, une ligne par élément, sans le démarrer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installed as the command quizvale.</source>
        <translation>Installé comme commande quizvale.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>print the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <location filename="../QtMessageBox.cpp" line="+61"/>
        <source>Don&apos;t show again</source>
        <translation>Ne plus afficher</translation>
    </message>
</context>
</TS>
