<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Palabras acertadas: %1. Puntos: %2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>El archivo &quot;%1&quot; no contiene ninguna palabra</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Las palabras que estás a punto de olvidar.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Palabras: %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>Del diccionario: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>De los diccionarios: %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 y %2 más</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Palabras sin traducir:</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Elige un diccionario:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>Cuanto mayor sea este número, más despacio irán los monstruos:</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Escribir palabras</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Escribir traducciones</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>No se ha encontrado ningún diccionario</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Carpeta donde se han buscado los diccionarios:
%1

Un diccionario es una subcarpeta con tres archivos: about.txt, names.txt y names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Pronunciar las palabras</translation>
    </message>
</context>
</TS>
