<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Setwright</name>
    <message>
        <location filename="../main.cpp" line="+31"/>
        <source>The question-set editor of Quizvale: opens the set used last, or asks for the name of a
new one.</source>
        <translation>Редактор наборов вопросов Quizvale: открывает последний набор или спрашивает имя
нового.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>make the set NAME of the questions in FILE</source>
        <translation>создать набор NAME из вопросов файла FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>csv, tsv, xlsx, ods, aiken, gift, opentdb or moodle (default: told from FILE)</source>
        <translation>csv, tsv, xlsx, ods, aiken, gift, opentdb или moodle (по умолчанию — определяется по FILE)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>import this sheet of a workbook (default: the first)</source>
        <translation>импортировать указанный лист книги (по умолчанию — первый)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>which columns hold what, as question=1,a=2,b=3,c=4,d=5,correct=6</source>
        <translation>что в каких столбцах, например question=1,a=2,b=3,c=4,d=5,correct=6</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>put the imported questions that name no rung on rung N (1 to 15)</source>
        <translation>ставить импортированные вопросы без ступени на ступень N (от 1 до 15)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add the imported questions to the existing set NAME</source>
        <translation>добавить импортированные вопросы в существующий набор NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write the set NAME as CSV, its pictures beside FILE</source>
        <translation>записать набор NAME в CSV, а его картинки — рядом с FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>count the questions per rung and list every problem of the set</source>
        <translation>подсчитать вопросы по ступеням и перечислить все проблемы набора</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--import, --export and --check open no window and need no display. They exit
with 0 when all went well, 1 when questions were skipped or problems found,
and 2 when nothing was done.

Sets are saved under Resources/QuestionSets in the product folder, or in
~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written.</source>
        <translation>--import, --export и --check не открывают окон и не требуют дисплея. Код выхода:
0 — всё прошло успешно, 1 — часть вопросов пропущена или найдены проблемы,
2 — ничего не сделано.

Наборы сохраняются в Resources/QuestionSets в папке программы или в
~/.local/share/Quizvale/Resources/QuestionSets, если в ту папку нельзя записывать.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../QtSetLock.cpp" line="+32"/>
        <source>another process</source>
        <translation>другой процесс</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>process %1</source>
        <extracomment>Who holds a question set: %1 is the process&apos;s number, %2 the computer.</extracomment>
        <translation>процесс %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>process %1 on %2</source>
        <translation>процесс %1 на %2</translation>
    </message>
    <message>
        <location filename="../../model/EditorTexts.h" line="+16"/>
        <source>Quizvale Setwright</source>
        <translation>Quizvale Setwright</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before creating a new one</source>
        <translation>Текущий вопрос не заполнен. Заполните его, прежде чем создавать новый</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incomplete Question</source>
        <translation>Вопрос не заполнен</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before moving to another question</source>
        <translation>Текущий вопрос не заполнен. Заполните его, прежде чем переходить к другому</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Missing: %1.</source>
        <extracomment>Under the incomplete-question message: %1 is the list of the missing parts.</extracomment>
        <translation>Не хватает %1.</translation>
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
        <translation>текста вопроса</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer A</source>
        <translation>ответа A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer B</source>
        <translation>ответа B</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer C</source>
        <translation>ответа C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer D</source>
        <translation>ответа D</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../interchange/SetCheck.cpp" line="+8"/>
        <source>the correct answer</source>
        <translation>правильного ответа</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../interchange/SetCheck.cpp" line="+3"/>
        <source>the prize</source>
        <translation>выигрыша</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No questions</source>
        <translation>Нет вопросов</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The question set &quot;%1&quot; is open in another Setwright window (%2). It is opened read-only: close it there to change it here, or save a copy with Save As.</source>
        <extracomment>%1 is the set&apos;s name, %2 says who holds it (&quot;process 1234 on laptop&quot;).</extracomment>
        <translation>Набор вопросов «%1» открыт в другом окне Setwright (%2). Здесь он открыт только для чтения: закройте его там, чтобы изменять здесь, или сохраните копию через «Сохранить как».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set In Use</source>
        <translation>Набор вопросов занят</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (read-only)</source>
        <extracomment>After the set&apos;s name in the window&apos;s caption; starts with a space.</extracomment>
        <translation> (только для чтения)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The set was changed outside Setwright. Overwrite it, or reload?</source>
        <translation>Набор изменён вне Setwright. Перезаписать его или загрузить заново?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Changed</source>
        <translation>Набор вопросов изменён</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload</source>
        <translation>Загрузить заново</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a valid name</source>
        <translation>Введите допустимое имя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Name</source>
        <translation>Недопустимое имя</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save error. Please check disc space and file write privileges</source>
        <translation>Ошибка сохранения. Проверьте свободное место на диске и права на запись файла</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Not Saved</source>
        <translation>Набор вопросов не сохранён</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have unsaved changes. Would you like to save them?</source>
        <translation>Есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved Changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Statistics</source>
        <translation>Статистика вопросов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error. Image could not be used</source>
        <translation>Ошибка. Эту картинку нельзя использовать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Not Used</source>
        <translation>Картинка не добавлена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This image&apos;s dimensions are too large for Quizvale. Therefore a resized version will be calculated</source>
        <translation>Эта картинка слишком велика для Quizvale, поэтому будет создана уменьшенная копия</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Image Too Large</source>
        <translation>Картинка слишком большая</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A question set with that name already exists. Please enter another name</source>
        <translation>Набор вопросов с таким именем уже есть. Введите другое имя</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</source>
        <translation>Все файлы картинок (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture files (*.bmp,*.jpg,*.gif)</source>
        <translation>Файлы картинок (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bmp files (*.bmp)</source>
        <translation>Файлы bmp (*.bmp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jpg files(*.jpg)</source>
        <translation>Файлы jpg (*.jpg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gif files(*.gif)</source>
        <translation>Файлы gif (*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question number %1 of %2</source>
        <extracomment>Left of the navigation buttons: %1 the current question, %2 how many there are.</extracomment>
        <translation>Вопрос %1 из %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>These characters cannot be stored in a question set and were left out: </source>
        <translation>Эти символы нельзя хранить в наборе вопросов, они пропущены: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters Left Out</source>
        <translation>Символы пропущены</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This question set could not be opened. Please check that its file can be read</source>
        <translation>Не удалось открыть этот набор вопросов. Проверьте, что его файл доступен для чтения</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set Not Opened</source>
        <translation>Не удалось открыть набор</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Some texts of this question set hold bytes that are not UTF-8. They are shown as �; please check these lines:</source>
        <translation>В некоторых текстах этого набора вопросов есть байты не в кодировке UTF-8. Они показаны как �; проверьте эти строки:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>(%n more)</source>
        <extracomment>After the first lines listed as damaged: how many more there are.</extracomment>
        <translation>
            <numerusform>(и ещё %n)</numerusform>
            <numerusform>(и ещё %n)</numerusform>
            <numerusform>(и ещё %n)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This question set&apos;s file holds only a byte-order mark and no questions:</source>
        <translation>В файле этого набора вопросов есть только метка порядка байтов (BOM) и нет вопросов:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Damaged</source>
        <translation>Набор вопросов повреждён</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Set of Questions</source>
        <translation>Новый набор вопросов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the new set of questions:</source>
        <translation>Введите имя нового набора вопросов:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Question Set As</source>
        <translation>Сохранить набор вопросов как</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the copy of the set:</source>
        <translation>Введите имя копии набора:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select...</source>
        <extracomment>The first entry of the correct-answer and prize lists, before a choice.</extracomment>
        <translation>Выберите...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Correct Ans: %1</source>
        <extracomment>An entry of the correct-answer list: %1 is the letter A to D. Short: a narrow list.</extracomment>
        <translation>Правильный: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty: %1</source>
        <extracomment>An entry of the prize list: %1 is the prize, as 125000. Short: a narrow list.</extracomment>
        <translation>Сложность: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 value questions:%n</source>
        <extracomment>A line of the statistics: %1 is a prize, %n how many questions have it.</extracomment>
        <translation>
            <numerusform>Вопросов за %1: %n</numerusform>
            <numerusform>Вопросов за %1: %n</numerusform>
            <numerusform>Вопросов за %1: %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:%1</source>
        <extracomment>The last line of the statistics: %1 is the number of questions.</extracomment>
        <translation>Всего: %1</translation>
    </message>
    <message>
        <location filename="../../interchange/EditorQuestions.cpp" line="+36"/>
        <source>No problems found.</source>
        <translation>Проблем не найдено.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problems:</source>
        <translation>Проблемы:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../interchange/SetCheck.cpp" line="-27"/>
        <source>rung %1 (%2): no questions</source>
        <translation>ступень %1 (%2): нет вопросов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rung %1 (%2): 1 question, fewer than %3</source>
        <translation>ступень %1 (%2): 1 вопрос, меньше %3</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>rung %1 (%2): %n questions, fewer than %3</source>
        <translation>
            <numerusform>ступень %1 (%2): %n вопрос, меньше %3</numerusform>
            <numerusform>ступень %1 (%2): %n вопроса, меньше %3</numerusform>
            <numerusform>ступень %1 (%2): %n вопросов, меньше %3</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>answer %1</source>
        <translation>ответа %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>question %1: incomplete, without %2</source>
        <translation>вопрос %1: не заполнен, нет %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the same question as question %2</source>
        <translation>вопрос %1: совпадает с вопросом %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>question %1: answers %2 and %3 are the same</source>
        <translation>вопрос %1: ответы %2 и %3 одинаковые</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the question has %2 characters, more than 128</source>
        <translation>вопрос %1: длина вопроса — %2 (больше 128 символов)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>question %1: answer %2 has %3 characters, more than 32</source>
        <translation>вопрос %1: длина ответа %2 — %3 (больше 32 символов)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: marked as having a picture, but %2 is missing or not a readable picture</source>
        <translation>вопрос %1: отмечен как вопрос с картинкой, но файла %2 нет или он не читается как картинка</translation>
    </message>
</context>
<context>
    <name>qv::EditorDialog</name>
    <message>
        <location filename="../EditorDialog.cpp" line="+93"/>
        <source>Question Number</source>
        <translation>Номер вопроса</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Question</source>
        <translation>Новый вопрос</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Delete Question</source>
        <translation>Удалить вопрос</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Question:</source>
        <translation>Вопрос:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer A:</source>
        <translation>Ответ A:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer B:</source>
        <translation>Ответ B:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer C:</source>
        <translation>Ответ C:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer D:</source>
        <translation>Ответ D:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Add Pic</source>
        <extracomment>A button beside the question: adds a picture to it. Short.</extracomment>
        <translation>Картинка…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Pic</source>
        <extracomment>A button beside the question: takes its picture away. Short.</extracomment>
        <translation>Убрать</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>New Question Set</source>
        <translation>Новый набор вопросов</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question Stats</source>
        <extracomment>A button: shows how many questions each prize has.</extracomment>
        <translation>Статистика</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location filename="../EditorMenus.cpp" line="+34"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Question Set</source>
        <translation>&amp;Новый набор вопросов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Question Set…</source>
        <translation>&amp;Открыть набор вопросов…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As…</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;New Question</source>
        <translation>&amp;Новый вопрос</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Question</source>
        <translation>&amp;Удалить вопрос</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Question &amp;Up</source>
        <translation>Переместить вопрос &amp;вверх</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move Question Do&amp;wn</source>
        <translation>Переместить вопрос вни&amp;з</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Go</source>
        <translation>П&amp;ереход</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;First</source>
        <translation>&amp;Первый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back Ten</source>
        <translation>&amp;Назад на 10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>Пр&amp;едыдущий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>&amp;Следующий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward Ten</source>
        <translation>&amp;Вперёд на 10</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation>П&amp;оследний</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Go to Question…</source>
        <translation>Пе&amp;рейти к вопросу…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question &amp;Stats</source>
        <translation>&amp;Статистика вопросов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Go to Question</source>
        <translation>Переход к вопросу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question number (1 to %1):</source>
        <translation>Номер вопроса (от 1 до %1):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Quizvale Setwright %1

The editor of Quizvale&apos;s question sets.

Licensed under the MIT licence.</source>
        <extracomment>The About box: %1 is the version, as &quot;0.1.0&quot;.</extracomment>
        <translation>Quizvale Setwright %1

Редактор наборов вопросов Quizvale.

Распространяется по лицензии MIT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Setwright</source>
        <translation>О программе Setwright</translation>
    </message>
</context>
<context>
    <name>qv::ImportPreview</name>
    <message>
        <location filename="../ImportPreview.cpp" line="+30"/>
        <source>CSV (comma-separated)</source>
        <translation>CSV (через запятую)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TSV (tab-separated)</source>
        <translation>TSV (через табуляцию)</translation>
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
        <translation>Книга Excel (.xlsx)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>Таблица OpenDocument (.ods)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML</source>
        <translation>Moodle XML</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Question:</source>
        <translation>Воп&amp;рос:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;A:</source>
        <translation>Ответ &amp;A:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;B:</source>
        <translation>Ответ &amp;B:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;C:</source>
        <translation>Ответ &amp;C:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;D:</source>
        <translation>Ответ &amp;D:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orrect answer:</source>
        <translation>&amp;Правильный ответ:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;ung or difficulty:</source>
        <translation>С&amp;тупень или сложность:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture:</source>
        <translation>&amp;Картинка:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Import Questions</source>
        <translation>Импорт вопросов</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Format:</source>
        <translation>Ф&amp;ормат:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the file says, else in turn</source>
        <translation>Как указано в файле, иначе по порядку</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All on Difficulty: %1</source>
        <translation>Все со сложностью %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rungs:</source>
        <translation>Ст&amp;упени:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Also take questions the set already &amp;has</source>
        <translation>Брать и вопросы, которые уже &amp;есть в наборе</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which column holds what</source>
        <translation>Что в каком столбце</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rung</source>
        <translation>Ступень</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right answer, or why it is skipped</source>
        <translation>Правильный ответ или причина пропуска</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Import</source>
        <translation>И&amp;мпортировать</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>1 question would be added to the set &quot;%1&quot;</source>
        <translation>1 вопрос будет добавлен в набор «%1»</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions would be added to the set &quot;%1&quot;</source>
        <translation>
            <numerusform>%n вопрос будет добавлен в набор «%1»</numerusform>
            <numerusform>%n вопроса будут добавлены в набор «%1»</numerusform>
            <numerusform>%n вопросов будет добавлено в набор «%1»</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 record would be skipped</source>
        <translation>1 запись будет пропущена</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n records would be skipped</source>
        <translation>
            <numerusform>%n запись будет пропущена</numerusform>
            <numerusform>%n записи будут пропущены</numerusform>
            <numerusform>%n записей будет пропущено</numerusform>
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
        <translation> Не удаётся прочитать файл: %1.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>record %1</source>
        <translation>запись %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skipped</source>
        <translation>пропущено</translation>
    </message>
</context>
<context>
    <name>qv::InterchangeMenus</name>
    <message>
        <location filename="../InterchangeMenus.cpp" line="+20"/>
        <source>&amp;Import Questions…</source>
        <translation>&amp;Импорт вопросов…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Questions…</source>
        <translation>&amp;Экспорт вопросов…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Export Questions</source>
        <translation>Экспорт вопросов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spreadsheet (*.csv)</source>
        <translation>Таблица (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Questions</source>
        <translation>Импорт вопросов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question files (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</source>
        <translation>Файлы вопросов (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>No question was imported: %1</source>
        <translation>Ни один вопрос не импортирован: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Questions Not Imported</source>
        <translation>Вопросы не импортированы</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The questions were not exported: %1</source>
        <translation>Вопросы не экспортированы: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions Not Exported</source>
        <translation>Вопросы не экспортированы</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Exported %n questions to %1.</source>
        <extracomment>%n is the number of questions, %1 the file written.</extracomment>
        <translation>
            <numerusform>В %1 экспортирован %n вопрос.</numerusform>
            <numerusform>В %1 экспортировано %n вопроса.</numerusform>
            <numerusform>В %1 экспортировано %n вопросов.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Questions Exported</source>
        <translation>Вопросы экспортированы</translation>
    </message>
</context>
<context>
    <name>qv::NewSetDialog</name>
    <message>
        <location filename="../NewSetDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>qv::OpenSetDialog</name>
    <message>
        <location filename="../OpenSetDialog.cpp" line="+16"/>
        <source>Open Question Set</source>
        <translation>Открыть набор вопросов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the question set to open:</source>
        <translation>Выберите набор вопросов:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 question</source>
        <translation>1 вопрос</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n вопрос</numerusform>
            <numerusform>%n вопроса</numerusform>
            <numerusform>%n вопросов</numerusform>
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
        <translation>Открыть</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
