<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Setwright</name>
    <message>
        <location filename="../main.cpp" line="+31"/>
        <source>The question-set editor of Quizvale: opens the set used last, or asks for the name of a
new one.</source>
        <translation>L&apos;éditeur de séries de questions de Quizvale&#xa0;: ouvre la dernière série utilisée, ou demande le nom
d&apos;une nouvelle série.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>make the set NAME of the questions in FILE</source>
        <translation>créer la série NAME à partir des questions de FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>csv, tsv, xlsx, ods, aiken, gift, opentdb or moodle (default: told from FILE)</source>
        <translation>csv, tsv, xlsx, ods, aiken, gift, opentdb ou moodle (par défaut&#xa0;: déduit de FILE)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>import this sheet of a workbook (default: the first)</source>
        <translation>importer cette feuille d&apos;un classeur (par défaut&#xa0;: la première)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>which columns hold what, as question=1,a=2,b=3,c=4,d=5,correct=6</source>
        <translation>le contenu de chaque colonne, par exemple question=1,a=2,b=3,c=4,d=5,correct=6</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>put the imported questions that name no rung on rung N (1 to 15)</source>
        <translation>placer sur l&apos;échelon N (1 à 15) les questions importées sans échelon</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add the imported questions to the existing set NAME</source>
        <translation>ajouter les questions importées à la série existante NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write the set NAME as CSV, its pictures beside FILE</source>
        <translation>écrire la série NAME en CSV, ses images à côté de FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>count the questions per rung and list every problem of the set</source>
        <translation>compter les questions par échelon et lister tous les problèmes de la série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--import, --export and --check open no window and need no display. They exit
with 0 when all went well, 1 when questions were skipped or problems found,
and 2 when nothing was done.

Sets are saved under Resources/QuestionSets in the product folder, or in
~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written.</source>
        <translation>--import, --export et --check n&apos;ouvrent aucune fenêtre et n&apos;ont pas besoin d&apos;écran.
Leur code de sortie est 0 si tout s&apos;est bien passé, 1 si des questions ont été
ignorées ou des problèmes trouvés, et 2 si rien n&apos;a été fait.

Les séries sont enregistrées dans Resources/QuestionSets du dossier du produit, ou dans
~/.local/share/Quizvale/Resources/QuestionSets si ce dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../QtSetLock.cpp" line="+32"/>
        <source>another process</source>
        <translation>un autre processus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>process %1</source>
        <extracomment>Who holds a question set: %1 is the process&apos;s number, %2 the computer.</extracomment>
        <translation>le processus %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>process %1 on %2</source>
        <translation>le processus %1 sur %2</translation>
    </message>
    <message>
        <location filename="../../model/EditorTexts.h" line="+16"/>
        <source>Quizvale Setwright</source>
        <translation>Quizvale Setwright</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before creating a new one</source>
        <translation>La question en cours est incomplète. Terminez-la avant d&apos;en créer une nouvelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incomplete Question</source>
        <translation>Question incomplète</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before moving to another question</source>
        <translation>La question en cours est incomplète. Terminez-la avant de passer à une autre question</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Missing: %1.</source>
        <extracomment>Under the incomplete-question message: %1 is the list of the missing parts.</extracomment>
        <translation>Il manque %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../interchange/SetCheck.cpp" line="+43"/>
        <source>, </source>
        <extracomment>Between the missing parts of a question in a list.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../interchange/SetCheck.cpp" line="+37"/>
        <source>the question</source>
        <translation>la question</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer A</source>
        <translation>la réponse A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer B</source>
        <translation>la réponse B</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer C</source>
        <translation>la réponse C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer D</source>
        <translation>la réponse D</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../interchange/SetCheck.cpp" line="+8"/>
        <source>the correct answer</source>
        <translation>la bonne réponse</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../interchange/SetCheck.cpp" line="+3"/>
        <source>the prize</source>
        <translation>le gain</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No questions</source>
        <translation>Aucune question</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The question set &quot;%1&quot; is open in another Setwright window (%2). It is opened read-only: close it there to change it here, or save a copy with Save As.</source>
        <extracomment>%1 is the set&apos;s name, %2 says who holds it (&quot;process 1234 on laptop&quot;).</extracomment>
        <translation>La série de questions «&#xa0;%1&#xa0;» est ouverte dans une autre fenêtre de Setwright (%2). Elle est donc affichée en lecture seule&#xa0;: fermez-la dans l&apos;autre fenêtre pour pouvoir la modifier ici, ou enregistrez-en une copie avec «&#xa0;Enregistrer sous&#xa0;».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set In Use</source>
        <translation>Série de questions déjà ouverte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (read-only)</source>
        <extracomment>After the set&apos;s name in the window&apos;s caption; starts with a space.</extracomment>
        <translation> (lecture seule)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The set was changed outside Setwright. Overwrite it, or reload?</source>
        <translation>La série a été modifiée en dehors de Setwright. L&apos;écraser ou la recharger&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Changed</source>
        <translation>Série de questions modifiée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a valid name</source>
        <translation>Saisissez un nom valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Name</source>
        <translation>Nom non valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save error. Please check disc space and file write privileges</source>
        <translation>Erreur d&apos;enregistrement. Vérifiez l&apos;espace disque et les droits d&apos;écriture du fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Not Saved</source>
        <translation>Série de questions non enregistrée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have unsaved changes. Would you like to save them?</source>
        <translation>Certaines modifications ne sont pas enregistrées. Voulez-vous les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Statistics</source>
        <translation>Statistiques des questions</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error. Image could not be used</source>
        <translation>Erreur. Impossible d&apos;utiliser l&apos;image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Not Used</source>
        <translation>Image non utilisée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This image&apos;s dimensions are too large for Quizvale. Therefore a resized version will be calculated</source>
        <translation>Cette image est trop grande pour Quizvale. Une version redimensionnée va donc être calculée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Image Too Large</source>
        <translation>Image trop grande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A question set with that name already exists. Please enter another name</source>
        <translation>Une série de questions porte déjà ce nom. Saisissez un autre nom</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</source>
        <translation>Tous les fichiers image (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture files (*.bmp,*.jpg,*.gif)</source>
        <translation>Fichiers image (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bmp files (*.bmp)</source>
        <translation>Fichiers bmp (*.bmp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jpg files(*.jpg)</source>
        <translation>Fichiers jpg (*.jpg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gif files(*.gif)</source>
        <translation>Fichiers gif (*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question number %1 of %2</source>
        <extracomment>Left of the navigation buttons: %1 the current question, %2 how many there are.</extracomment>
        <translation>Question %1 sur %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>These characters cannot be stored in a question set and were left out: </source>
        <translation>Ces caractères ne peuvent pas être enregistrés dans une série de questions et ont été omis&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters Left Out</source>
        <translation>Caractères omis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This question set could not be opened. Please check that its file can be read</source>
        <translation>Impossible d&apos;ouvrir cette série de questions. Vérifiez que son fichier est lisible</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set Not Opened</source>
        <translation>Série de questions non ouverte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Some texts of this question set hold bytes that are not UTF-8. They are shown as �; please check these lines:</source>
        <translation>Certains textes de cette série de questions contiennent des octets non UTF-8. Ils sont affichés sous la forme �&#xa0;; vérifiez ces lignes&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>(%n more)</source>
        <extracomment>After the first lines listed as damaged: how many more there are.</extracomment>
        <translation>
            <numerusform>(encore %n)</numerusform>
            <numerusform>(encore %n)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This question set&apos;s file holds only a byte-order mark and no questions:</source>
        <translation>Le fichier de cette série de questions ne contient qu&apos;une marque d&apos;ordre des octets (BOM) et aucune question&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Damaged</source>
        <translation>Série de questions endommagée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Set of Questions</source>
        <translation>Nouvelle série de questions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the new set of questions:</source>
        <translation>Saisissez le nom de la nouvelle série de questions&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Question Set As</source>
        <translation>Enregistrer la série de questions sous</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the copy of the set:</source>
        <translation>Saisissez le nom de la copie de la série&#xa0;:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select...</source>
        <extracomment>The first entry of the correct-answer and prize lists, before a choice.</extracomment>
        <translation>Choisir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Correct Ans: %1</source>
        <extracomment>An entry of the correct-answer list: %1 is the letter A to D. Short: a narrow list.</extracomment>
        <translation>Bonne rép.&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty: %1</source>
        <extracomment>An entry of the prize list: %1 is the prize, as 125000. Short: a narrow list.</extracomment>
        <translation>Difficulté&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 value questions:%n</source>
        <extracomment>A line of the statistics: %1 is a prize, %n how many questions have it.</extracomment>
        <translation>
            <numerusform>Questions à %1&#xa0;: %n</numerusform>
            <numerusform>Questions à %1&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:%1</source>
        <extracomment>The last line of the statistics: %1 is the number of questions.</extracomment>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../../interchange/EditorQuestions.cpp" line="+36"/>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problems:</source>
        <translation>Problèmes&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... et %n autre</numerusform>
            <numerusform>... et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../interchange/SetCheck.cpp" line="-27"/>
        <source>rung %1 (%2): no questions</source>
        <translation>échelon %1 (%2)&#xa0;: aucune question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rung %1 (%2): 1 question, fewer than %3</source>
        <translation>échelon %1 (%2)&#xa0;: 1 question, moins de %3</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>rung %1 (%2): %n questions, fewer than %3</source>
        <translation>
            <numerusform>échelon %1 (%2)&#xa0;: %n question, moins de %3</numerusform>
            <numerusform>échelon %1 (%2)&#xa0;: %n questions, moins de %3</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>answer %1</source>
        <translation>la réponse %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>question %1: incomplete, without %2</source>
        <translation>question %1&#xa0;: incomplète, sans %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the same question as question %2</source>
        <translation>question %1&#xa0;: identique à la question %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>question %1: answers %2 and %3 are the same</source>
        <translation>question %1&#xa0;: les réponses %2 et %3 sont identiques</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the question has %2 characters, more than 128</source>
        <translation>question %1&#xa0;: la question compte %2 caractères, plus de 128</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>question %1: answer %2 has %3 characters, more than 32</source>
        <translation>question %1&#xa0;: la réponse %2 compte %3 caractères, plus de 32</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: marked as having a picture, but %2 is missing or not a readable picture</source>
        <translation>question %1&#xa0;: marquée comme ayant une image, mais %2 est absent ou n&apos;est pas une image lisible</translation>
    </message>
</context>
<context>
    <name>qv::EditorDialog</name>
    <message>
        <location filename="../EditorDialog.cpp" line="+93"/>
        <source>Question Number</source>
        <translation>Numéro de question</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Question</source>
        <translation>Nouvelle question</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Delete Question</source>
        <translation>Supprimer la question</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Question:</source>
        <translation>Question&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer A:</source>
        <translation>Réponse A&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer B:</source>
        <translation>Réponse B&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer C:</source>
        <translation>Réponse C&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer D:</source>
        <translation>Réponse D&#xa0;:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Add Pic</source>
        <extracomment>A button beside the question: adds a picture to it. Short.</extracomment>
        <translation>Ajouter image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Pic</source>
        <extracomment>A button beside the question: takes its picture away. Short.</extracomment>
        <translation>Retirer image</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>New Question Set</source>
        <translation>Nouvelle série de questions</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question Stats</source>
        <extracomment>A button: shows how many questions each prize has.</extracomment>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../EditorMenus.cpp" line="+34"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Question Set</source>
        <translation>&amp;Nouvelle série de questions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Question Set…</source>
        <translation>&amp;Ouvrir une série de questions…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;New Question</source>
        <translation>&amp;Nouvelle question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Question</source>
        <translation>&amp;Supprimer la question</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Question &amp;Up</source>
        <translation>&amp;Monter la question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move Question Do&amp;wn</source>
        <translation>&amp;Descendre la question</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Go</source>
        <translation>&amp;Navigation</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;First</source>
        <translation>&amp;Première</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back Ten</source>
        <translation>&amp;Reculer de dix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>Pré&amp;cédente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward Ten</source>
        <translation>&amp;Avancer de dix</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation>&amp;Dernière</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Go to Question…</source>
        <translation>Aller à la &amp;question…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question &amp;Stats</source>
        <translation>&amp;Statistiques des questions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Go to Question</source>
        <translation>Aller à la question</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question number (1 to %1):</source>
        <translation>Numéro de la question (1 à %1)&#xa0;:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Quizvale Setwright %1

The editor of Quizvale&apos;s question sets.

Licensed under the MIT licence.</source>
        <extracomment>The About box: %1 is the version, as &quot;0.1.0&quot;.</extracomment>
        <translation>Quizvale Setwright %1

L&apos;éditeur des séries de questions de Quizvale.

Distribué sous licence MIT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Setwright</source>
        <translation>À propos de Setwright</translation>
    </message>
</context>
<context>
    <name>qv::ImportPreview</name>
    <message>
        <location filename="../ImportPreview.cpp" line="+30"/>
        <source>CSV (comma-separated)</source>
        <translation>CSV (séparateur&#xa0;: virgule)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TSV (tab-separated)</source>
        <translation>TSV (séparateur&#xa0;: tabulation)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aiken</source>
        <translation>Aiken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GIFT</source>
        <translation>GIFT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Trivia Database JSON</source>
        <translation>Open Trivia Database JSON</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Excel workbook (.xlsx)</source>
        <translation>Classeur Excel (.xlsx)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>Classeur OpenDocument (.ods)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML</source>
        <translation>Moodle XML</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Question:</source>
        <translation>&amp;Question&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;A:</source>
        <translation>Réponse &amp;A&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;B:</source>
        <translation>Réponse &amp;B&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;C:</source>
        <translation>Réponse &amp;C&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;D:</source>
        <translation>Réponse &amp;D&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orrect answer:</source>
        <translation>Bonne &amp;réponse&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;ung or difficulty:</source>
        <translation>Éc&amp;helon ou difficulté&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture:</source>
        <translation>Ima&amp;ge&#xa0;:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Import Questions</source>
        <translation>Importer des questions</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the file says, else in turn</source>
        <translation>Selon le fichier, sinon dans l&apos;ordre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All on Difficulty: %1</source>
        <translation>Toutes sur Difficulté&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rungs:</source>
        <translation>Éch&amp;elons&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Also take questions the set already &amp;has</source>
        <translation>Inclure aussi les questions déjà dans la &amp;série</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which column holds what</source>
        <translation>Contenu des colonnes</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rung</source>
        <translation>Échelon</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right answer, or why it is skipped</source>
        <translation>Bonne réponse, ou motif du rejet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>1 question would be added to the set &quot;%1&quot;</source>
        <translation>1 question serait ajoutée à la série «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions would be added to the set &quot;%1&quot;</source>
        <translation>
            <numerusform>%n question serait ajoutée à la série «&#xa0;%1&#xa0;»</numerusform>
            <numerusform>%n questions seraient ajoutées à la série «&#xa0;%1&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 record would be skipped</source>
        <translation>1 enregistrement serait ignoré</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n records would be skipped</source>
        <translation>
            <numerusform>%n enregistrement serait ignoré</numerusform>
            <numerusform>%n enregistrements seraient ignorés</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2; %3.</source>
        <extracomment>The import&apos;s summary: %1 is the file&apos;s name, %2 what would be added, %3 what skipped.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;; %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> The file cannot be read: %1.</source>
        <translation> Le fichier est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>record %1</source>
        <translation>enregistrement %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
</context>
<context>
    <name>qv::InterchangeMenus</name>
    <message>
        <location filename="../InterchangeMenus.cpp" line="+20"/>
        <source>&amp;Import Questions…</source>
        <translation>&amp;Importer des questions…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Questions…</source>
        <translation>E&amp;xporter des questions…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Export Questions</source>
        <translation>Exporter des questions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spreadsheet (*.csv)</source>
        <translation>Feuille de calcul (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Questions</source>
        <translation>Importer des questions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question files (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</source>
        <translation>Fichiers de questions (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>No question was imported: %1</source>
        <translation>Aucune question n&apos;a été importée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Questions Not Imported</source>
        <translation>Questions non importées</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The questions were not exported: %1</source>
        <translation>Les questions n&apos;ont pas été exportées&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions Not Exported</source>
        <translation>Questions non exportées</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Exported %n questions to %1.</source>
        <extracomment>%n is the number of questions, %1 the file written.</extracomment>
        <translation>
            <numerusform>%n question exportée vers %1.</numerusform>
            <numerusform>%n questions exportées vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Questions Exported</source>
        <translation>Questions exportées</translation>
    </message>
</context>
<context>
    <name>qv::NewSetDialog</name>
    <message>
        <location filename="../NewSetDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>qv::OpenSetDialog</name>
    <message>
        <location filename="../OpenSetDialog.cpp" line="+16"/>
        <source>Open Question Set</source>
        <translation>Ouvrir une série de questions</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the question set to open:</source>
        <translation>Choisissez la série de questions à ouvrir&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 question</source>
        <translation>1 question</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n question</numerusform>
            <numerusform>%n questions</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1  (%2)</source>
        <extracomment>A set in the list: %1 is its name, %2 its count of questions.</extracomment>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
