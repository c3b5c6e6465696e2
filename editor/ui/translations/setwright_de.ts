<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Setwright</name>
    <message>
        <location filename="../main.cpp" line="+31"/>
        <source>The question-set editor of Quizvale: opens the set used last, or asks for the name of a
new one.</source>
        <translation>Der Fragensatz-Editor von Quizvale: öffnet den zuletzt benutzten Fragensatz oder fragt
nach dem Namen eines neuen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>make the set NAME of the questions in FILE</source>
        <translation>aus den Fragen in FILE den Fragensatz NAME erstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>csv, tsv, xlsx, ods, aiken, gift, opentdb or moodle (default: told from FILE)</source>
        <translation>csv, tsv, xlsx, ods, aiken, gift, opentdb oder moodle (Standard: aus FILE erkannt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>import this sheet of a workbook (default: the first)</source>
        <translation>dieses Tabellenblatt einer Arbeitsmappe importieren (Standard: das erste)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>which columns hold what, as question=1,a=2,b=3,c=4,d=5,correct=6</source>
        <translation>welche Spalte was enthält, etwa question=1,a=2,b=3,c=4,d=5,correct=6</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>put the imported questions that name no rung on rung N (1 to 15)</source>
        <translation>importierte Fragen ohne Stufenangabe auf Stufe N (1 bis 15) setzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add the imported questions to the existing set NAME</source>
        <translation>die importierten Fragen dem vorhandenen Fragensatz NAME hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write the set NAME as CSV, its pictures beside FILE</source>
        <translation>den Fragensatz NAME als CSV schreiben, seine Bilder neben FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>count the questions per rung and list every problem of the set</source>
        <translation>die Fragen je Stufe zählen und alle Probleme des Fragensatzes auflisten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--import, --export and --check open no window and need no display. They exit
with 0 when all went well, 1 when questions were skipped or problems found,
and 2 when nothing was done.

Sets are saved under Resources/QuestionSets in the product folder, or in
~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written.</source>
        <translation>--import, --export und --check öffnen kein Fenster und brauchen keinen Bildschirm.
Sie enden mit 0, wenn alles gut ging, mit 1, wenn Fragen übersprungen oder Probleme
gefunden wurden, und mit 2, wenn nichts getan wurde.

Fragensätze werden unter Resources/QuestionSets im Produktordner gespeichert oder in
~/.local/share/Quizvale/Resources/QuestionSets, wenn dieser Ordner nicht beschreibbar ist.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../QtSetLock.cpp" line="+32"/>
        <source>another process</source>
        <translation>ein anderer Prozess</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>process %1</source>
        <extracomment>Who holds a question set: %1 is the process&apos;s number, %2 the computer.</extracomment>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>process %1 on %2</source>
        <translation>Prozess %1 auf %2</translation>
    </message>
    <message>
        <location filename="../../model/EditorTexts.h" line="+16"/>
        <source>Quizvale Setwright</source>
        <translation>Quizvale Setwright</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before creating a new one</source>
        <translation>Die aktuelle Frage ist unvollständig. Bitte vervollständigen Sie sie, bevor Sie eine neue anlegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incomplete Question</source>
        <translation>Unvollständige Frage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before moving to another question</source>
        <translation>Die aktuelle Frage ist unvollständig. Bitte vervollständigen Sie sie, bevor Sie zu einer anderen Frage wechseln</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Missing: %1.</source>
        <extracomment>Under the incomplete-question message: %1 is the list of the missing parts.</extracomment>
        <translation>Noch offen: %1.</translation>
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
        <translation>die Frage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer A</source>
        <translation>die Antwort A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer B</source>
        <translation>die Antwort B</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer C</source>
        <translation>die Antwort C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer D</source>
        <translation>die Antwort D</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../interchange/SetCheck.cpp" line="+8"/>
        <source>the correct answer</source>
        <translation>die richtige Antwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../interchange/SetCheck.cpp" line="+3"/>
        <source>the prize</source>
        <translation>die Gewinnstufe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No questions</source>
        <translation>Keine Fragen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The question set &quot;%1&quot; is open in another Setwright window (%2). It is opened read-only: close it there to change it here, or save a copy with Save As.</source>
        <extracomment>%1 is the set&apos;s name, %2 says who holds it (&quot;process 1234 on laptop&quot;).</extracomment>
        <translation>Der Fragensatz „%1“ ist in einem anderen Setwright-Fenster geöffnet (%2). Er wird schreibgeschützt geöffnet: Schließen Sie ihn dort, um ihn hier zu ändern, oder speichern Sie mit „Speichern unter“ eine Kopie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set In Use</source>
        <translation>Fragensatz bereits geöffnet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (read-only)</source>
        <extracomment>After the set&apos;s name in the window&apos;s caption; starts with a space.</extracomment>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The set was changed outside Setwright. Overwrite it, or reload?</source>
        <translation>Der Fragensatz wurde außerhalb von Setwright geändert. Überschreiben oder neu laden?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Changed</source>
        <translation>Fragensatz geändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a valid name</source>
        <translation>Bitte geben Sie einen gültigen Namen ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save error. Please check disc space and file write privileges</source>
        <translation>Fehler beim Speichern. Bitte prüfen Sie den freien Speicherplatz und die Schreibrechte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Not Saved</source>
        <translation>Fragensatz nicht gespeichert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have unsaved changes. Would you like to save them?</source>
        <translation>Es gibt ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Statistics</source>
        <translation>Fragenstatistik</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error. Image could not be used</source>
        <translation>Fehler: Das Bild konnte nicht verwendet werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Not Used</source>
        <translation>Bild nicht verwendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This image&apos;s dimensions are too large for Quizvale. Therefore a resized version will be calculated</source>
        <translation>Dieses Bild ist zu groß für Quizvale. Daher wird eine verkleinerte Fassung berechnet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Image Too Large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A question set with that name already exists. Please enter another name</source>
        <translation>Ein Fragensatz mit diesem Namen existiert bereits. Bitte geben Sie einen anderen Namen ein</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</source>
        <translation>Alle Bilddateien (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture files (*.bmp,*.jpg,*.gif)</source>
        <translation>Bilddateien (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bmp files (*.bmp)</source>
        <translation>BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jpg files(*.jpg)</source>
        <translation>JPG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gif files(*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question number %1 of %2</source>
        <extracomment>Left of the navigation buttons: %1 the current question, %2 how many there are.</extracomment>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>These characters cannot be stored in a question set and were left out: </source>
        <translation>Diese Zeichen können in einem Fragensatz nicht gespeichert werden und wurden weggelassen: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters Left Out</source>
        <translation>Zeichen weggelassen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This question set could not be opened. Please check that its file can be read</source>
        <translation>Dieser Fragensatz konnte nicht geöffnet werden. Bitte prüfen Sie, ob seine Datei lesbar ist</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set Not Opened</source>
        <translation>Fragensatz nicht geöffnet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Some texts of this question set hold bytes that are not UTF-8. They are shown as �; please check these lines:</source>
        <translation>Einige Texte dieses Fragensatzes enthalten Bytes, die kein gültiges UTF-8 sind. Sie werden als � angezeigt; bitte prüfen Sie diese Zeilen:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>(%n more)</source>
        <extracomment>After the first lines listed as damaged: how many more there are.</extracomment>
        <translation>
            <numerusform>(%n weitere)</numerusform>
            <numerusform>(%n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This question set&apos;s file holds only a byte-order mark and no questions:</source>
        <translation>Die Datei dieses Fragensatzes enthält nur eine Byte-Order-Mark und keine Fragen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Damaged</source>
        <translation>Fragensatz beschädigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Set of Questions</source>
        <translation>Neuer Fragensatz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the new set of questions:</source>
        <translation>Geben Sie den Namen des neuen Fragensatzes ein:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Question Set As</source>
        <translation>Fragensatz speichern unter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the copy of the set:</source>
        <translation>Geben Sie den Namen der Kopie ein:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select...</source>
        <extracomment>The first entry of the correct-answer and prize lists, before a choice.</extracomment>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Correct Ans: %1</source>
        <extracomment>An entry of the correct-answer list: %1 is the letter A to D. Short: a narrow list.</extracomment>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty: %1</source>
        <extracomment>An entry of the prize list: %1 is the prize, as 125000. Short: a narrow list.</extracomment>
        <translation>Schwierigkeit: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 value questions:%n</source>
        <extracomment>A line of the statistics: %1 is a prize, %n how many questions have it.</extracomment>
        <translation>
            <numerusform>Fragen mit Wert %1:%n</numerusform>
            <numerusform>Fragen mit Wert %1:%n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:%1</source>
        <extracomment>The last line of the statistics: %1 is the number of questions.</extracomment>
        <translation>Gesamt:%1</translation>
    </message>
    <message>
        <location filename="../../interchange/EditorQuestions.cpp" line="+36"/>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problems:</source>
        <translation>Probleme:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../interchange/SetCheck.cpp" line="-27"/>
        <source>rung %1 (%2): no questions</source>
        <translation>Stufe %1 (%2): keine Fragen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rung %1 (%2): 1 question, fewer than %3</source>
        <translation>Stufe %1 (%2): 1 Frage, weniger als %3</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>rung %1 (%2): %n questions, fewer than %3</source>
        <translation>
            <numerusform>Stufe %1 (%2): %n Frage, weniger als %3</numerusform>
            <numerusform>Stufe %1 (%2): %n Fragen, weniger als %3</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>question %1: incomplete, without %2</source>
        <translation>Frage %1: unvollständig, ohne %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the same question as question %2</source>
        <translation>Frage %1: dieselbe Frage wie Frage %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>question %1: answers %2 and %3 are the same</source>
        <translation>Frage %1: Antworten %2 und %3 sind gleich</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the question has %2 characters, more than 128</source>
        <translation>Frage %1: Der Fragetext hat %2 Zeichen, mehr als 128</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>question %1: answer %2 has %3 characters, more than 32</source>
        <translation>Frage %1: Antwort %2 hat %3 Zeichen, mehr als 32</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: marked as having a picture, but %2 is missing or not a readable picture</source>
        <translation>Frage %1: als Frage mit Bild markiert, aber %2 fehlt oder ist kein lesbares Bild</translation>
    </message>
</context>
<context>
    <name>qv::EditorDialog</name>
    <message>
        <location filename="../EditorDialog.cpp" line="+93"/>
        <source>Question Number</source>
        <translation>Fragennummer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Question</source>
        <translation>Neue Frage</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Delete Question</source>
        <translation>Frage löschen</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer A:</source>
        <translation>Antwort A:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer B:</source>
        <translation>Antwort B:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer C:</source>
        <translation>Antwort C:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer D:</source>
        <translation>Antwort D:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Add Pic</source>
        <extracomment>A button beside the question: adds a picture to it. Short.</extracomment>
        <translation>Bild laden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Pic</source>
        <extracomment>A button beside the question: takes its picture away. Short.</extracomment>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>New Question Set</source>
        <translation>Neuer Fragensatz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question Stats</source>
        <extracomment>A button: shows how many questions each prize has.</extracomment>
        <translation>Fragenstatistik</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../EditorMenus.cpp" line="+34"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Question Set</source>
        <translation>&amp;Neuer Fragensatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Question Set…</source>
        <translation>Fragensatz ö&amp;ffnen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;New Question</source>
        <translation>&amp;Neue Frage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Question</source>
        <translation>Frage &amp;löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Question &amp;Up</source>
        <translation>Frage nach &amp;oben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move Question Do&amp;wn</source>
        <translation>Frage nach &amp;unten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Go</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;First</source>
        <translation>&amp;Erste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back Ten</source>
        <translation>&amp;Zehn zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward Ten</source>
        <translation>Zehn v&amp;or</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation>&amp;Letzte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Go to Question…</source>
        <translation>Gehe zu &amp;Frage…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question &amp;Stats</source>
        <translation>Fragen&amp;statistik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Go to Question</source>
        <translation>Gehe zu Frage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question number (1 to %1):</source>
        <translation>Fragennummer (1 bis %1):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Quizvale Setwright %1

The editor of Quizvale&apos;s question sets.

Licensed under the MIT licence.</source>
        <extracomment>The About box: %1 is the version, as &quot;0.1.0&quot;.</extracomment>
        <translation>Quizvale Setwright %1

Der Editor für die Fragensätze von Quizvale.

Lizenziert unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Setwright</source>
        <translation>Über Setwright</translation>
    </message>
</context>
<context>
    <name>qv::ImportPreview</name>
    <message>
        <location filename="../ImportPreview.cpp" line="+30"/>
        <source>CSV (comma-separated)</source>
        <translation>CSV (kommagetrennt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TSV (tab-separated)</source>
        <translation>TSV (tabulatorgetrennt)</translation>
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
        <translation>Excel-Arbeitsmappe (.xlsx)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>OpenDocument-Tabelle (.ods)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML</source>
        <translation>Moodle XML</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Question:</source>
        <translation>&amp;Frage:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;A:</source>
        <translation>Antwort &amp;A:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;B:</source>
        <translation>Antwort &amp;B:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;C:</source>
        <translation>Antwort &amp;C:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;D:</source>
        <translation>Antwort &amp;D:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orrect answer:</source>
        <translation>&amp;Richtige Antwort:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;ung or difficulty:</source>
        <translation>&amp;Stufe oder Schwierigkeit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture:</source>
        <translation>Bi&amp;ld:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Import Questions</source>
        <translation>Fragen importieren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Format:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the file says, else in turn</source>
        <translation>Laut Datei, sonst der Reihe nach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All on Difficulty: %1</source>
        <translation>Alle auf Schwierigkeit: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rungs:</source>
        <translation>St&amp;ufen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Also take questions the set already &amp;has</source>
        <translation>Auch Fragen übernehmen, die der Fragensatz schon &amp;hat</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which column holds what</source>
        <translation>Welche Spalte was enthält</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rung</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right answer, or why it is skipped</source>
        <translation>Richtige Antwort oder Grund fürs Überspringen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>1 question would be added to the set &quot;%1&quot;</source>
        <translation>1 Frage würde dem Fragensatz „%1“ hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions would be added to the set &quot;%1&quot;</source>
        <translation>
            <numerusform>%n Frage würde dem Fragensatz „%1“ hinzugefügt</numerusform>
            <numerusform>%n Fragen würden dem Fragensatz „%1“ hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 record would be skipped</source>
        <translation>1 Datensatz würde übersprungen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n records would be skipped</source>
        <translation>
            <numerusform>%n Datensatz würde übersprungen</numerusform>
            <numerusform>%n Datensätze würden übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2; %3.</source>
        <extracomment>The import&apos;s summary: %1 is the file&apos;s name, %2 what would be added, %3 what skipped.</extracomment>
        <translation>%1: %2; %3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> The file cannot be read: %1.</source>
        <translation> Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
</context>
<context>
    <name>qv::InterchangeMenus</name>
    <message>
        <location filename="../InterchangeMenus.cpp" line="+20"/>
        <source>&amp;Import Questions…</source>
        <translation>Fragen &amp;importieren…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Questions…</source>
        <translation>Fragen e&amp;xportieren…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Export Questions</source>
        <translation>Fragen exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spreadsheet (*.csv)</source>
        <translation>Tabelle (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Questions</source>
        <translation>Fragen importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question files (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</source>
        <translation>Fragendateien (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>No question was imported: %1</source>
        <translation>Es wurde keine Frage importiert: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Questions Not Imported</source>
        <translation>Fragen nicht importiert</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The questions were not exported: %1</source>
        <translation>Die Fragen wurden nicht exportiert: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions Not Exported</source>
        <translation>Fragen nicht exportiert</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Exported %n questions to %1.</source>
        <extracomment>%n is the number of questions, %1 the file written.</extracomment>
        <translation>
            <numerusform>%n Frage nach %1 exportiert.</numerusform>
            <numerusform>%n Fragen nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Questions Exported</source>
        <translation>Fragen exportiert</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>qv::OpenSetDialog</name>
    <message>
        <location filename="../OpenSetDialog.cpp" line="+16"/>
        <source>Open Question Set</source>
        <translation>Fragensatz öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the question set to open:</source>
        <translation>Wählen Sie den Fragensatz aus:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 question</source>
        <translation>1 Frage</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n Frage</numerusform>
            <numerusform>%n Fragen</numerusform>
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
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
