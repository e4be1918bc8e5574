<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Набрано слів: %1. Рахунок: %2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>ГРУ ЗАКІНЧЕНО!</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>У файлі &quot;%1&quot; немає жодного слова</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Повторення</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Слова, які ви ось-ось забудете.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Слів: %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>Зі словника: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>Зі словників: %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 і ще %2</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Список неперекладених слів:</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Виберіть словник:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>Що більше це число, то повільніше йдуть монстри:</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Режим гри</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Введення слів</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Введення перекладів</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>Словників не знайдено</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Тека, у якій шукали словники:
%1

Словник — це тека в ній із трьома файлами: about.txt, names.txt і names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Вимовляти слова</translation>
    </message>
</context>
</TS>
