<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Parole indovinate: %1. Punti: %2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>PARTITA FINITA!</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>Il file &quot;%1&quot; non contiene nessuna parola</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Ripasso</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Le parole che stai per dimenticare.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Parole: %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>Dal dizionario: %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>Dai dizionari: %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 e altri %2</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Parole non tradotte:</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Scegli un dizionario:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>Più alto è il numero, più lentamente avanzano i mostri:</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Scrivi le parole</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Scrivi le traduzioni</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>Nessun dizionario trovato</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Cartella in cui sono stati cercati i dizionari:
%1

Un dizionario è una sua sottocartella con tre file: about.txt, names.txt e names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Pronuncia le parole</translation>
    </message>
</context>
</TS>
