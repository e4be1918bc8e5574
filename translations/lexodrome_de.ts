<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Richtige Antworten: %1. Punkte: %2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>SPIEL VORBEI!</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>In der Datei &quot;%1&quot; steht kein einziges Wort</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Wörter, die Sie bald vergessen.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Wörter: %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>Aus dem Wörterbuch: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>Aus den Wörterbüchern: %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 und %2 weitere</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Nicht übersetzte Wörter:</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Wörterbuch wählen:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>Je größer diese Zahl, desto langsamer gehen die Monster:</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Wörter eingeben</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Übersetzungen eingeben</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>Keine Wörterbücher gefunden</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Ordner, in dem nach Wörterbüchern gesucht wurde:
%1

Ein Wörterbuch ist ein Ordner darin mit drei Dateien: about.txt, names.txt und names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Wörter aussprechen</translation>
    </message>
</context>
</TS>
