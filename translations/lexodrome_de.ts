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
    <message>
        <source>Повторение</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Слова, которые пора повторить</source>
        <translation>Wörter zum Wiederholen</translation>
    </message>
    <message>
        <source>Слова, пропущенные в прошлых играх: каждое попадание поднимает слово на ступень выше, и оно возвращается всё реже.</source>
        <translation>In früheren Spielen verpasste Wörter: Jeder Treffer hebt ein Wort eine Stufe höher, und es kommt immer seltener wieder.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Wörter: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <translation>Aus den Wörterbüchern: %1.</translation>
    </message>
</context>
</TS>
