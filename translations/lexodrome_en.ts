<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Words complete: %1. Score:%2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>GAME OVER!</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>There is not a single word in the file &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Words you are about to forget.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Words: %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>From the dictionary: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>From the dictionaries: %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 and %2 more</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Words left untranslated:</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Choose a dictionary:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>The greater this number, the slower the monsters walk:</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Game mode</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Type the words</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Type the translations</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>No dictionaries found</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Folder searched for dictionaries:
%1

A dictionary is a folder in it with three files: about.txt, names.txt and names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Speak the words</translation>
    </message>
</context>
</TS>
