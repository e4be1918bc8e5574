<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Trafione słowa: %1. Wynik: %2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>KONIEC GRY!</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>W pliku &quot;%1&quot; nie ma ani jednego wyrazu</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Słowa, które zaraz zapomnisz.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Słów: %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>Ze słownika: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>Ze słowników: %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 i jeszcze %2</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Słowa bez tłumaczenia:</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Wybierz słownik:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>Im większa liczba, tym wolniej idą potwory:</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Wpisywanie słów</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Wpisywanie tłumaczeń</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>Nie znaleziono słowników</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Folder, w którym szukano słowników:
%1

Słownik to podfolder z trzema plikami: about.txt, names.txt i names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Wymawiaj słowa</translation>
    </message>
</context>
</TS>
