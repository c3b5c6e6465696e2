<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Setwright</name>
    <message>
        <location filename="../main.cpp" line="+31"/>
        <source>The question-set editor of Quizvale: opens the set used last, or asks for the name of a
new one.</source>
        <translation>El editor de colecciones de preguntas de Quizvale: abre la última colección usada o pide
el nombre de una nueva.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>make the set NAME of the questions in FILE</source>
        <translation>crear la colección NAME con las preguntas de FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>csv, tsv, xlsx, ods, aiken, gift, opentdb or moodle (default: told from FILE)</source>
        <translation>csv, tsv, xlsx, ods, aiken, gift, opentdb o moodle (por defecto: según FILE)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>import this sheet of a workbook (default: the first)</source>
        <translation>importar esta hoja del libro (por defecto: la primera)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>which columns hold what, as question=1,a=2,b=3,c=4,d=5,correct=6</source>
        <translation>qué contiene cada columna, como question=1,a=2,b=3,c=4,d=5,correct=6</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>put the imported questions that name no rung on rung N (1 to 15)</source>
        <translation>poner en el peldaño N (1 a 15) las preguntas importadas sin peldaño</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add the imported questions to the existing set NAME</source>
        <translation>añadir las preguntas importadas a la colección existente NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>write the set NAME as CSV, its pictures beside FILE</source>
        <translation>escribir la colección NAME como CSV, con sus imágenes junto a FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>count the questions per rung and list every problem of the set</source>
        <translation>contar las preguntas por peldaño y listar los problemas de la colección</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--import, --export and --check open no window and need no display. They exit
with 0 when all went well, 1 when questions were skipped or problems found,
and 2 when nothing was done.

Sets are saved under Resources/QuestionSets in the product folder, or in
~/.local/share/Quizvale/Resources/QuestionSets when that folder cannot be written.</source>
        <translation>--import, --export y --check no abren ninguna ventana ni necesitan pantalla. Terminan
con 0 si todo ha ido bien, 1 si se omitieron preguntas o se encontraron problemas
y 2 si no se hizo nada.

Las colecciones se guardan en Resources/QuestionSets, en la carpeta del producto, o en
~/.local/share/Quizvale/Resources/QuestionSets si no se puede escribir en esa carpeta.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../QtSetLock.cpp" line="+32"/>
        <source>another process</source>
        <translation>otro proceso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>process %1</source>
        <extracomment>Who holds a question set: %1 is the process&apos;s number, %2 the computer.</extracomment>
        <translation>proceso %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>process %1 on %2</source>
        <translation>proceso %1 en %2</translation>
    </message>
    <message>
        <location filename="../../model/EditorTexts.h" line="+16"/>
        <source>Quizvale Setwright</source>
        <translation>Quizvale Setwright</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before creating a new one</source>
        <translation>La pregunta actual está incompleta. Termínala antes de crear otra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Incomplete Question</source>
        <translation>Pregunta incompleta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The current question is incomplete. Please finish before moving to another question</source>
        <translation>La pregunta actual está incompleta. Termínala antes de pasar a otra pregunta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Missing: %1.</source>
        <extracomment>Under the incomplete-question message: %1 is the list of the missing parts.</extracomment>
        <translation>Sin completar: %1.</translation>
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
        <translation>la pregunta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer A</source>
        <translation>la respuesta A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer B</source>
        <translation>la respuesta B</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the answer C</source>
        <translation>la respuesta C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the answer D</source>
        <translation>la respuesta D</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../interchange/SetCheck.cpp" line="+8"/>
        <source>the correct answer</source>
        <translation>la respuesta correcta</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../interchange/SetCheck.cpp" line="+3"/>
        <source>the prize</source>
        <translation>el premio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No questions</source>
        <translation>No hay preguntas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The question set &quot;%1&quot; is open in another Setwright window (%2). It is opened read-only: close it there to change it here, or save a copy with Save As.</source>
        <extracomment>%1 is the set&apos;s name, %2 says who holds it (&quot;process 1234 on laptop&quot;).</extracomment>
        <translation>La colección de preguntas &quot;%1&quot; está abierta en otra ventana de Setwright (%2). Se abre en solo lectura: ciérrala allí para modificarla aquí o guarda una copia con Guardar como.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set In Use</source>
        <translation>Colección de preguntas en uso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (read-only)</source>
        <extracomment>After the set&apos;s name in the window&apos;s caption; starts with a space.</extracomment>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The set was changed outside Setwright. Overwrite it, or reload?</source>
        <translation>La colección se ha modificado fuera de Setwright. ¿Sobrescribirla o volver a cargarla?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Changed</source>
        <translation>Colección de preguntas modificada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload</source>
        <translation>Volver a cargar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter a valid name</source>
        <translation>Escribe un nombre válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Name</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save error. Please check disc space and file write privileges</source>
        <translation>Error al guardar. Comprueba el espacio en disco y los permisos de escritura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Not Saved</source>
        <translation>Colección de preguntas no guardada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have unsaved changes. Would you like to save them?</source>
        <translation>Tienes cambios sin guardar. ¿Quieres guardarlos?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Statistics</source>
        <translation>Estadísticas de preguntas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error. Image could not be used</source>
        <translation>Error. No se ha podido usar la imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Image Not Used</source>
        <translation>Imagen no utilizada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This image&apos;s dimensions are too large for Quizvale. Therefore a resized version will be calculated</source>
        <translation>Esta imagen es demasiado grande para Quizvale, así que se creará una versión reducida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Image Too Large</source>
        <translation>Imagen demasiado grande</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A question set with that name already exists. Please enter another name</source>
        <translation>Ya existe una colección de preguntas con ese nombre. Escribe otro nombre</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</source>
        <translation>Todos los archivos de imagen (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,*.tga,*.pcx,*.ico,*.wbmp)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture files (*.bmp,*.jpg,*.gif)</source>
        <translation>Archivos de imagen (*.bmp,*.jpg,*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bmp files (*.bmp)</source>
        <translation>Archivos bmp (*.bmp)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>jpg files(*.jpg)</source>
        <translation>Archivos jpg (*.jpg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gif files(*.gif)</source>
        <translation>Archivos gif (*.gif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question number %1 of %2</source>
        <extracomment>Left of the navigation buttons: %1 the current question, %2 how many there are.</extracomment>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>These characters cannot be stored in a question set and were left out: </source>
        <translation>Estos caracteres no se pueden guardar en una colección de preguntas y se han omitido: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters Left Out</source>
        <translation>Caracteres omitidos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This question set could not be opened. Please check that its file can be read</source>
        <translation>No se ha podido abrir esta colección de preguntas. Comprueba que su archivo se puede leer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question Set Not Opened</source>
        <translation>Colección de preguntas no abierta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Some texts of this question set hold bytes that are not UTF-8. They are shown as �; please check these lines:</source>
        <translation>Algunos textos de esta colección de preguntas contienen bytes que no son UTF-8. Se muestran como �; revisa estas líneas:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>(%n more)</source>
        <extracomment>After the first lines listed as damaged: how many more there are.</extracomment>
        <translation>
            <numerusform>(%n más)</numerusform>
            <numerusform>(%n más)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This question set&apos;s file holds only a byte-order mark and no questions:</source>
        <translation>El archivo de esta colección de preguntas solo contiene una marca de orden de bytes y ninguna pregunta:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question Set Damaged</source>
        <translation>Colección de preguntas dañada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Set of Questions</source>
        <translation>Nueva colección de preguntas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the new set of questions:</source>
        <translation>Escribe el nombre de la nueva colección de preguntas:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Question Set As</source>
        <translation>Guardar colección de preguntas como</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the name of the copy of the set:</source>
        <translation>Escribe el nombre de la copia de la colección:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select...</source>
        <extracomment>The first entry of the correct-answer and prize lists, before a choice.</extracomment>
        <translation>Elegir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Correct Ans: %1</source>
        <extracomment>An entry of the correct-answer list: %1 is the letter A to D. Short: a narrow list.</extracomment>
        <translation>Correcta: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Difficulty: %1</source>
        <extracomment>An entry of the prize list: %1 is the prize, as 125000. Short: a narrow list.</extracomment>
        <translation>Dificultad: %1</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%1 value questions:%n</source>
        <extracomment>A line of the statistics: %1 is a prize, %n how many questions have it.</extracomment>
        <translation>
            <numerusform>Preguntas de %1:%n</numerusform>
            <numerusform>Preguntas de %1:%n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:%1</source>
        <extracomment>The last line of the statistics: %1 is the number of questions.</extracomment>
        <translation>Total:%1</translation>
    </message>
    <message>
        <location filename="../../interchange/EditorQuestions.cpp" line="+36"/>
        <source>No problems found.</source>
        <translation>No se han encontrado problemas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Problems:</source>
        <translation>Problemas:</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>... and %n more</source>
        <translation>
            <numerusform>... y %n más</numerusform>
            <numerusform>... y %n más</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../interchange/SetCheck.cpp" line="-27"/>
        <source>rung %1 (%2): no questions</source>
        <translation>peldaño %1 (%2): sin preguntas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>rung %1 (%2): 1 question, fewer than %3</source>
        <translation>peldaño %1 (%2): 1 pregunta, menos de %3</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>rung %1 (%2): %n questions, fewer than %3</source>
        <translation>
            <numerusform>peldaño %1 (%2): %n pregunta, menos de %3</numerusform>
            <numerusform>peldaño %1 (%2): %n preguntas, menos de %3</numerusform>
        </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>answer %1</source>
        <translation>respuesta %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>question %1: incomplete, without %2</source>
        <translation>pregunta %1: incompleta, sin %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the same question as question %2</source>
        <translation>pregunta %1: es la misma pregunta que la %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>question %1: answers %2 and %3 are the same</source>
        <translation>pregunta %1: las respuestas %2 y %3 son iguales</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: the question has %2 characters, more than 128</source>
        <translation>pregunta %1: el texto de la pregunta tiene %2 caracteres, más de 128</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>question %1: answer %2 has %3 characters, more than 32</source>
        <translation>pregunta %1: la respuesta %2 tiene %3 caracteres, más de 32</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>question %1: marked as having a picture, but %2 is missing or not a readable picture</source>
        <translation>pregunta %1: marcada con imagen, pero %2 no existe o no es una imagen legible</translation>
    </message>
</context>
<context>
    <name>qv::EditorDialog</name>
    <message>
        <location filename="../EditorDialog.cpp" line="+93"/>
        <source>Question Number</source>
        <translation>Número de pregunta</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Question</source>
        <translation>Nueva pregunta</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Delete Question</source>
        <translation>Eliminar pregunta</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer A:</source>
        <translation>Respuesta A:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer B:</source>
        <translation>Respuesta B:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer C:</source>
        <translation>Respuesta C:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Answer D:</source>
        <translation>Respuesta D:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Add Pic</source>
        <extracomment>A button beside the question: adds a picture to it. Short.</extracomment>
        <translation>Imagen…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remove Pic</source>
        <extracomment>A button beside the question: takes its picture away. Short.</extracomment>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>New Question Set</source>
        <translation>Nueva colección</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Question Stats</source>
        <extracomment>A button: shows how many questions each prize has.</extracomment>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+221"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../EditorMenus.cpp" line="+34"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Question Set</source>
        <translation>&amp;Nueva colección de preguntas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Question Set…</source>
        <translation>&amp;Abrir colección de preguntas…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;New Question</source>
        <translation>&amp;Nueva pregunta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Question</source>
        <translation>&amp;Eliminar pregunta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Move Question &amp;Up</source>
        <translation>&amp;Subir pregunta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move Question Do&amp;wn</source>
        <translation>&amp;Bajar pregunta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;First</source>
        <translation>&amp;Primera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back Ten</source>
        <translation>&amp;Retroceder diez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward Ten</source>
        <translation>A&amp;vanzar diez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation>Ú&amp;ltima</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Go to Question…</source>
        <translation>&amp;Ir a la pregunta…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Question &amp;Stats</source>
        <translation>&amp;Estadísticas de preguntas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Go to Question</source>
        <translation>Ir a la pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question number (1 to %1):</source>
        <translation>Número de pregunta (1 a %1):</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Quizvale Setwright %1

The editor of Quizvale&apos;s question sets.

Licensed under the MIT licence.</source>
        <extracomment>The About box: %1 is the version, as &quot;0.1.0&quot;.</extracomment>
        <translation>Quizvale Setwright %1

El editor de las colecciones de preguntas de Quizvale.

Publicado bajo la licencia MIT.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About Setwright</source>
        <translation>Acerca de Setwright</translation>
    </message>
</context>
<context>
    <name>qv::ImportPreview</name>
    <message>
        <location filename="../ImportPreview.cpp" line="+30"/>
        <source>CSV (comma-separated)</source>
        <translation>CSV (separado por comas)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TSV (tab-separated)</source>
        <translation>TSV (separado por tabuladores)</translation>
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
        <translation>JSON de Open Trivia Database</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Excel workbook (.xlsx)</source>
        <translation>Libro de Excel (.xlsx)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>Hoja de cálculo OpenDocument (.ods)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moodle XML</source>
        <translation>XML de Moodle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Question:</source>
        <translation>&amp;Pregunta:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;A:</source>
        <translation>Respuesta &amp;A:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;B:</source>
        <translation>Respuesta &amp;B:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;C:</source>
        <translation>Respuesta &amp;C:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer &amp;D:</source>
        <translation>Respuesta &amp;D:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;orrect answer:</source>
        <translation>Respuesta c&amp;orrecta:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>R&amp;ung or difficulty:</source>
        <translation>Pe&amp;ldaño o dificultad:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Picture:</source>
        <translation>Ima&amp;gen:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Import Questions</source>
        <translation>Importar preguntas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the file says, else in turn</source>
        <translation>Según el archivo; si no, por orden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All on Difficulty: %1</source>
        <translation>Todas con dificultad: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rungs:</source>
        <translation>Peldaño&amp;s:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Also take questions the set already &amp;has</source>
        <translation>Incluir también las preguntas que la colección ya &amp;tiene</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which column holds what</source>
        <translation>Qué contiene cada columna</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rung</source>
        <translation>Peldaño</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right answer, or why it is skipped</source>
        <translation>Respuesta correcta o motivo de omisión</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>1 question would be added to the set &quot;%1&quot;</source>
        <translation>Se añadiría 1 pregunta a la colección &quot;%1&quot;</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions would be added to the set &quot;%1&quot;</source>
        <translation>
            <numerusform>Se añadiría %n pregunta a la colección &quot;%1&quot;</numerusform>
            <numerusform>Se añadirían %n preguntas a la colección &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 record would be skipped</source>
        <translation>Se omitiría 1 registro</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n records would be skipped</source>
        <translation>
            <numerusform>Se omitiría %n registro</numerusform>
            <numerusform>Se omitirían %n registros</numerusform>
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
        <translation> No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
</context>
<context>
    <name>qv::InterchangeMenus</name>
    <message>
        <location filename="../InterchangeMenus.cpp" line="+20"/>
        <source>&amp;Import Questions…</source>
        <translation>&amp;Importar preguntas…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Export Questions…</source>
        <translation>&amp;Exportar preguntas…</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Export Questions</source>
        <translation>Exportar preguntas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spreadsheet (*.csv)</source>
        <translation>Hoja de cálculo (*.csv)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import Questions</source>
        <translation>Importar preguntas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question files (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</source>
        <translation>Archivos de preguntas (*.csv *.tsv *.xlsx *.ods *.txt *.gift *.json *.xml)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>No question was imported: %1</source>
        <translation>No se ha importado ninguna pregunta: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Questions Not Imported</source>
        <translation>Preguntas no importadas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The questions were not exported: %1</source>
        <translation>No se han exportado las preguntas: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Questions Not Exported</source>
        <translation>Preguntas no exportadas</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Exported %n questions to %1.</source>
        <extracomment>%n is the number of questions, %1 the file written.</extracomment>
        <translation>
            <numerusform>Se ha exportado %n pregunta a %1.</numerusform>
            <numerusform>Se han exportado %n preguntas a %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Questions Exported</source>
        <translation>Preguntas exportadas</translation>
    </message>
</context>
<context>
    <name>qv::NewSetDialog</name>
    <message>
        <location filename="../NewSetDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>qv::OpenSetDialog</name>
    <message>
        <location filename="../OpenSetDialog.cpp" line="+16"/>
        <source>Open Question Set</source>
        <translation>Abrir colección de preguntas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choose the question set to open:</source>
        <translation>Elige la colección de preguntas que quieres abrir:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 question</source>
        <translation>1 pregunta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n questions</source>
        <translation>
            <numerusform>%n pregunta</numerusform>
            <numerusform>%n preguntas</numerusform>
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
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
