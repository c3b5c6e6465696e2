<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Setwright</name>
    <message>
        <location filename="../main.cpp" line="+31"/>
        <source>The question-set editor of Quizvale: opens the set used last, or asks for the name of a
new one.</source>
        <translation>Edytor zestawów pytań Quizvale: otwiera ostatnio używany zestaw albo pyta o nazwę
nowego.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>make the set NAME of the questions in FILE</source>
        <translation>utwórz zestaw NAME z pytań z pliku FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>csv, tsv, xlsx, ods, aiken, gift, opentdb or moodle (default: told from FILE)</source>
        <translation>csv, tsv, xlsx, ods, aiken, gift, opentdb lub moodle (domyślnie: rozpoznawany po pliku FILE)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>import this sheet of a workbook (default: the first)</source>
        <translation>importuj ten arkusz skoroszytu (domyślnie: pierwszy)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>which columns hold what, as question=1,a=2,b=3,c=4,d=5,correct=6</source>
        <translation>co zawierają kolumny, np. question=1,a=2,b=3,c=4,d=5,correct=6</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>put the imported questions that name no rung on rung N (1 to 15)</source>
        <translation>umieść importowane pytania bez podanego szczebla na szczeblu N (1–15)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add the imported questions to the existing set NAME</source>
        <translation>dodaj importowane pytania do istniejącego zestawu NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write the set NAME as CSV, its pictures beside FILE</source>
        <translation>zapisz zestaw NAME jako CSV, a jego obrazki obok pliku FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>count the questions per rung and list every problem of the set</source>
        <translation>policz pytania na każdym szczeblu i wypisz wszystkie problemy zestawu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--import, --export and --check open no window and need no display. They exit
with 0 when all went well, 1 when questions were skipped or problems found,
and 2 when nothing was done.

Sets are saved under Resources/QuestionSets in the product folder, or in
~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written.</source>
        <translation>--import, --export i --check nie otwierają okna i nie wymagają ekranu. Kończą się
kodem 0, gdy wszystko się udało, 1, gdy pominięto pytania lub znaleziono problemy,
oraz 2, gdy nic nie zostało zrobione.

Zestawy są zapisywane w Resources/QuestionSets w folderze programu albo w
~/.local/share/Quizvale/Resources/QuestionSets, gdy w tamtym folderze nie można zapisywać.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../QtSetLock.cpp" line="+32"/>
        <source>another process</source>
        <translation>inny proces</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>process %1</source>
        <extracomment>Who holds a question set: %1 is the process&apos;s number, %2 the computer.</extracomment>
        <translation>proces %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>process %1 on %2</source>
        <translation>proces %1 na %2</translation>
    </message>
    <message>
        <location filename="../../model/EditorTexts.h" line="+16"/>
        <source>Quizvale Setwright</source>
        <translation>Quizvale Setwright</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before creating a new one</source>
        <translation>Bieżące pytanie jest niekompletne. Dokończ je, zanim utworzysz nowe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incomplete Question</source>
        <translation>Niekompletne pytanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before moving to another question</source>
        <translation>Bieżące pytanie jest niekompletne. Dokończ je, zanim przejdziesz do innego pytania</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Missing: %1.</source>
        <extracomment>Under the incomplete-question message: %1 is the list of the missing parts.</extracomment>
        <translation>Brakuje: %1.</translation>
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
        <translation>treści pytania</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer A</source>
        <translation>odpowiedzi A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer B</source>
        <translation>odpowiedzi B</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer C</source>
        <translation>odpowiedzi C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer D</source>
        <translation>odpowiedzi D</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../interchange/SetCheck.cpp" line="+8"/>
        <source>the correct answer</source>
        <translation>poprawnej odpowiedzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../interchange/SetCheck.cpp" line="+3"/>
        <source>the prize</source>
        <translation>nagrody</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No questions</source>
        <translation>Brak pytań</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The question set &quot;%1&quot; is open in another Setwright window (%2). It is opened read-only: close it there to change it here, or save a copy with Save As.</source>
        <extracomment>%1 is the set&apos;s name, %2 says who holds it (&quot;process 1234 on laptop&quot;).</extracomment>
        <translation>Zestaw pytań „%1” jest otwarty w innym oknie Setwright (%2). Otwarto go tylko do odczytu: aby wprowadzać zmiany tutaj, zamknij go w tamtym oknie albo zapisz kopię poleceniem „Zapisz jako”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set In Use</source>
        <translation>Zestaw pytań w użyciu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (read-only)</source>
        <extracomment>After the set&apos;s name in the window&apos;s caption; starts with a space.</extracomment>
        <translation> (tylko do odczytu)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The set was changed outside Setwright. Overwrite it, or reload?</source>
        <translation>Zestaw został zmieniony poza Setwright. Nadpisać go czy wczytać ponownie?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Changed</source>
        <translation>Zmieniono zestaw pytań</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overwrite</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload</source>
        <translation>Wczytaj ponownie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a valid name</source>
        <translation>Podaj poprawną nazwę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Name</source>
        <translation>Niepoprawna nazwa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save error. Please check disc space and file write privileges</source>
        <translation>Błąd zapisu. Sprawdź ilość wolnego miejsca na dysku i uprawnienia do zapisu pliku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Not Saved</source>
        <translation>Nie zapisano zestawu pytań</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have unsaved changes. Would you like to save them?</source>
        <translation>Masz niezapisane zmiany. Czy chcesz je zapisać?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved Changes</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Statistics</source>
        <translation>Statystyki pytań</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error. Image could not be used</source>
        <translation>Błąd. Nie można użyć tego obrazu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Not Used</source>
        <translation>Nie użyto obrazu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This image&apos;s dimensions are too large for Quizvale. Therefore a resized version will be calculated</source>
        <translation>Wymiary tego obrazu są za duże dla Quizvale. Zostanie więc utworzona jego pomniejszona wersja</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Image Too Large</source>
        <translation>Obraz za duży</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A question set with that name already exists. Please enter another name</source>
        <translation>Zestaw pytań o tej nazwie już istnieje. Podaj inną nazwę</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</source>
        <translation>Wszystkie pliki obrazów (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture files (*.bmp,*.jpg,*.gif)</source>
        <translation>Pliki obrazów (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bmp files (*.bmp)</source>
        <translation>Pliki bmp (*.bmp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jpg files(*.jpg)</source>
        <translation>Pliki jpg (*.jpg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gif files(*.gif)</source>
        <translation>Pliki gif (*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question number %1 of %2</source>
        <extracomment>Left of the navigation buttons: %1 the current question, %2 how many there are.</extracomment>
        <translation>Pytanie %1 z %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>These characters cannot be stored in a question set and were left out: </source>
        <translation>Tych znaków nie można zapisać w zestawie pytań, więc zostały pominięte: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters Left Out</source>
        <translation>Pominięte znaki</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This question set could not be opened. Please check that its file can be read</source>
        <translation>Nie można otworzyć tego zestawu pytań. Sprawdź, czy jego plik da się odczytać</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set Not Opened</source>
        <translation>Nie otwarto zestawu pytań</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Some texts of this question set hold bytes that are not UTF-8. They are shown as �; please check these lines:</source>
        <translation>Niektóre teksty tego zestawu pytań zawierają bajty spoza UTF-8. Są wyświetlane jako �; sprawdź te wiersze:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>(%n more)</source>
        <extracomment>After the first lines listed as damaged: how many more there are.</extracomment>
        <translation>
            <numerusform>(jeszcze %n wiersz)</numerusform>
            <numerusform>(jeszcze %n wiersze)</numerusform>
            <numerusform>(jeszcze %n wierszy)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This question set&apos;s file holds only a byte-order mark and no questions:</source>
        <translation>Plik tego zestawu pytań zawiera tylko znacznik kolejności bajtów (BOM) i żadnych pytań:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Damaged</source>
        <translation>Uszkodzony zestaw pytań</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Set of Questions</source>
        <translation>Nowy zestaw pytań</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the new set of questions:</source>
        <translation>Podaj nazwę nowego zestawu pytań:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Question Set As</source>
        <translation>Zapisz zestaw pytań jako</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the copy of the set:</source>
        <translation>Podaj nazwę kopii zestawu:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select...</source>
        <extracomment>The first entry of the correct-answer and prize lists, before a choice.</extracomment>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Correct Ans: %1</source>
        <extracomment>An entry of the correct-answer list: %1 is the letter A to D. Short: a narrow list.</extracomment>
        <translation>Poprawna: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty: %1</source>
        <extracomment>An entry of the prize list: %1 is the prize, as 125000. Short: a narrow list.</extracomment>
        <translation>Trudność: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 value questions:%n</source>
        <extracomment>A line of the statistics: %1 is a prize, %n how many questions have it.</extracomment>
        <translation>
            <numerusform>Pytania za %1:%n</numerusform>
            <numerusform>Pytania za %1:%n</numerusform>
            <numerusform>Pytania za %1:%n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:%1</source>
        <extracomment>The last line of the statistics: %1 is the number of questions.</extracomment>
        <translation>Razem:%1</translation>
    </message>
    <message>
        <location filename="../../interchange/EditorQuestions.cpp" line="+36"/>
        <source>No problems found.</source>
        <translation>Nie znaleziono problemów.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problems:</source>
        <translation>Problemy:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... i %n kolejny</numerusform>
            <numerusform>... i %n kolejne</numerusform>
            <numerusform>... i %n kolejnych</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../interchange/SetCheck.cpp" line="-27"/>
        <source>rung %1 (%2): no questions</source>
        <translation>szczebel %1 (%2): brak pytań</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rung %1 (%2): 1 question, fewer than %3</source>
        <translation>szczebel %1 (%2): 1 pytanie, mniej niż %3</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>rung %1 (%2): %n questions, fewer than %3</source>
        <translation>
            <numerusform>szczebel %1 (%2): %n pytanie, mniej niż %3</numerusform>
            <numerusform>szczebel %1 (%2): %n pytania, mniej niż %3</numerusform>
            <numerusform>szczebel %1 (%2): %n pytań, mniej niż %3</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>answer %1</source>
        <translation>odpowiedzi %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>question %1: incomplete, without %2</source>
        <translation>pytanie %1: niekompletne, brak %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the same question as question %2</source>
        <translation>pytanie %1: takie samo jak pytanie %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>question %1: answers %2 and %3 are the same</source>
        <translation>pytanie %1: odpowiedzi %2 i %3 są takie same</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the question has %2 characters, more than 128</source>
        <translation>pytanie %1: liczba znaków treści (%2) przekracza 128</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>question %1: answer %2 has %3 characters, more than 32</source>
        <translation>pytanie %1: liczba znaków odpowiedzi %2 (%3) przekracza 32</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: marked as having a picture, but %2 is missing or not a readable picture</source>
        <translation>pytanie %1: ma mieć obrazek, ale plik %2 nie istnieje lub nie jest czytelnym obrazem</translation>
    </message>
</context>
<context>
    <name>qv::EditorDialog</name>
    <message>
        <location filename="../EditorDialog.cpp" line="+93"/>
        <source>Question Number</source>
        <translation>Numer pytania</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Question</source>
        <translation>Nowe pytanie</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Delete Question</source>
        <translation>Usuń pytanie</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Question:</source>
        <translation>Pytanie:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer A:</source>
        <translation>Odpowiedź A:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer B:</source>
        <translation>Odpowiedź B:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer C:</source>
        <translation>Odpowiedź C:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer D:</source>
        <translation>Odpowiedź D:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Add Pic</source>
        <extracomment>A button beside the question: adds a picture to it. Short.</extracomment>
        <translation>Dodaj obraz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Pic</source>
        <extracomment>A button beside the question: takes its picture away. Short.</extracomment>
        <translation>Usuń obraz</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>New Question Set</source>
        <translation>Nowy zestaw pytań</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question Stats</source>
        <extracomment>A button: shows how many questions each prize has.</extracomment>
        <translation>Statystyki pytań</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location filename="../EditorMenus.cpp" line="+34"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Question Set</source>
        <translation>&amp;Nowy zestaw pytań</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Question Set…</source>
        <translation>&amp;Otwórz zestaw pytań…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;New Question</source>
        <translation>&amp;Nowe pytanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Question</source>
        <translation>&amp;Usuń pytanie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Question &amp;Up</source>
        <translation>Przesuń pytanie w &amp;górę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move Question Do&amp;wn</source>
        <translation>Przesuń pytanie w &amp;dół</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Go</source>
        <translation>P&amp;rzejdź</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;First</source>
        <translation>&amp;Pierwsze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back Ten</source>
        <translation>Dziesięć &amp;wstecz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>Poprz&amp;ednie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>&amp;Następne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward Ten</source>
        <translation>Dziesięć da&amp;lej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation>&amp;Ostatnie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Go to Question…</source>
        <translation>Przejdź &amp;do pytania…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question &amp;Stats</source>
        <translation>&amp;Statystyki pytań</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Go to Question</source>
        <translation>Przejdź do pytania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question number (1 to %1):</source>
        <translation>Numer pytania (1–%1):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Quizvale Setwright %1

The editor of Quizvale&apos;s question sets.

Licensed under the MIT licence.</source>
        <extracomment>The About box: %1 is the version, as &quot;0.1.0&quot;.</extracomment>
        <translation>Quizvale Setwright %1

Edytor zestawów pytań Quizvale.

Udostępniany na licencji MIT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Setwright</source>
        <translation>O programie Setwright</translation>
    </message>
</context>
<context>
    <name>qv::ImportPreview</name>
    <message>
        <location filename="../ImportPreview.cpp" line="+30"/>
        <source>CSV (comma-separated)</source>
        <translation>CSV (rozdzielany przecinkami)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TSV (tab-separated)</source>
        <translation>TSV (rozdzielany tabulatorami)</translation>
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
        <translation>JSON z Open Trivia Database</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Excel workbook (.xlsx)</source>
        <translation>Skoroszyt Excel (.xlsx)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>Arkusz OpenDocument (.ods)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML</source>
        <translation>Moodle XML</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Question:</source>
        <translation>&amp;Pytanie:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;A:</source>
        <translation>Odpowiedź &amp;A:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;B:</source>
        <translation>Odpowiedź &amp;B:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;C:</source>
        <translation>Odpowiedź &amp;C:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;D:</source>
        <translation>Odpowiedź &amp;D:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orrect answer:</source>
        <translation>P&amp;oprawna odpowiedź:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;ung or difficulty:</source>
        <translation>S&amp;zczebel lub trudność:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture:</source>
        <translation>Ob&amp;razek:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Import Questions</source>
        <translation>Importuj pytania</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the file says, else in turn</source>
        <translation>Według pliku, a jeśli brak – po kolei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All on Difficulty: %1</source>
        <translation>Wszystkie o trudności: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rungs:</source>
        <translation>Szczebl&amp;e:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Also take questions the set already &amp;has</source>
        <translation>Importuj też pytania, które zestaw już &amp;ma</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which column holds what</source>
        <translation>Co zawierają kolumny</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rung</source>
        <translation>Szczebel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right answer, or why it is skipped</source>
        <translation>Poprawna odpowiedź lub powód pominięcia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>1 question would be added to the set &quot;%1&quot;</source>
        <translation>Do zestawu „%1” zostanie dodane 1 pytanie</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions would be added to the set &quot;%1&quot;</source>
        <translation>
            <numerusform>Do zestawu „%1” zostanie dodane %n pytanie</numerusform>
            <numerusform>Do zestawu „%1” zostaną dodane %n pytania</numerusform>
            <numerusform>Do zestawu „%1” zostanie dodanych %n pytań</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 record would be skipped</source>
        <translation>1 rekord zostanie pominięty</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n records would be skipped</source>
        <translation>
            <numerusform>%n rekord zostanie pominięty</numerusform>
            <numerusform>%n rekordy zostaną pominięte</numerusform>
            <numerusform>%n rekordów zostanie pominiętych</numerusform>
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
        <translation> Nie można odczytać pliku: %1.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>record %1</source>
        <translation>rekord %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skipped</source>
        <translation>pominięto</translation>
    </message>
</context>
<context>
    <name>qv::InterchangeMenus</name>
    <message>
        <location filename="../InterchangeMenus.cpp" line="+20"/>
        <source>&amp;Import Questions…</source>
        <translation>&amp;Importuj pytania…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Questions…</source>
        <translation>&amp;Eksportuj pytania…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Export Questions</source>
        <translation>Eksportuj pytania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spreadsheet (*.csv)</source>
        <translation>Arkusz kalkulacyjny (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Questions</source>
        <translation>Importuj pytania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question files (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</source>
        <translation>Pliki pytań (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>No question was imported: %1</source>
        <translation>Nie zaimportowano żadnego pytania: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Questions Not Imported</source>
        <translation>Nie zaimportowano pytań</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The questions were not exported: %1</source>
        <translation>Nie wyeksportowano pytań: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions Not Exported</source>
        <translation>Nie wyeksportowano pytań</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Exported %n questions to %1.</source>
        <extracomment>%n is the number of questions, %1 the file written.</extracomment>
        <translation>
            <numerusform>Wyeksportowano %n pytanie do pliku %1.</numerusform>
            <numerusform>Wyeksportowano %n pytania do pliku %1.</numerusform>
            <numerusform>Wyeksportowano %n pytań do pliku %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Questions Exported</source>
        <translation>Wyeksportowano pytania</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>qv::OpenSetDialog</name>
    <message>
        <location filename="../OpenSetDialog.cpp" line="+16"/>
        <source>Open Question Set</source>
        <translation>Otwórz zestaw pytań</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the question set to open:</source>
        <translation>Wybierz zestaw pytań do otwarcia:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 question</source>
        <translation>1 pytanie</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n pytanie</numerusform>
            <numerusform>%n pytania</numerusform>
            <numerusform>%n pytań</numerusform>
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
        <translation>Otwórz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
