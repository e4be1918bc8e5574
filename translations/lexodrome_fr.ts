<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>Game</name>
    <message>
        <source>Lexodrome. Words complete: %1. Score:%2.</source>
        <translation>Lexodrome. Mots trouvés : %1. Score : %2.</translation>
    </message>
    <message>
        <source>ИГРА ОКОНЧЕНА!</source>
        <extracomment>Drawn on the field in the game&apos;s own font; keep to the letters of code page 1251, so that an engine without Unicode text draws it too.</extracomment>
        <translation>FIN DE LA PARTIE !</translation>
    </message>
    <message>
        <source>В файле &quot;%1&quot; нет ни одного слова</source>
        <extracomment>%1 is the path of the dictionary&apos;s names.txt. Code page 1251 letters only.</extracomment>
        <translation>Le fichier &quot;%1&quot; ne contient aucun mot</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>Повторение</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Слова, которые вы вот-вот забудете.</source>
        <translation>Les mots que vous êtes sur le point d&apos;oublier.</translation>
    </message>
    <message>
        <source>Слов: %1.</source>
        <translation>Mots : %1.</translation>
    </message>
    <message>
        <source>Из словаря: %1.</source>
        <extracomment>%1 is a dictionary&apos;s name with its number of words: &quot;animals (4)&quot;.</extracomment>
        <translation>Du dictionnaire : %1.</translation>
    </message>
    <message>
        <source>Из словарей: %1.</source>
        <extracomment>%1 lists dictionaries with their numbers of words: &quot;animals (4), colours (2)&quot;.</extracomment>
        <translation>Des dictionnaires : %1.</translation>
    </message>
    <message>
        <source>%1 и ещё %2</source>
        <extracomment>%1 lists dictionaries, %2 is how many more there are.</extracomment>
        <translation>%1 et %2 autres</translation>
    </message>
</context>
<context>
    <name>lexo::TForm2</name>
    <message>
        <source>Список непереведённых слов:</source>
        <translation>Mots non traduits :</translation>
    </message>
</context>
<context>
    <name>lexo::TForm3</name>
    <message>
        <source>Выберите словарь:</source>
        <translation>Choisissez un dictionnaire :</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Чем больше это число, тем медленнее идут монстры:</source>
        <translation>Plus ce nombre est grand, plus les monstres avancent lentement :</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Режим игры</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Ввод слов</source>
        <translation>Taper les mots</translation>
    </message>
    <message>
        <source>Ввод переводов</source>
        <translation>Taper les traductions</translation>
    </message>
    <message>
        <source>Словари не найдены</source>
        <translation>Aucun dictionnaire trouvé</translation>
    </message>
    <message>
        <source>Папка, в которой искали словари:
%1

Словарь - это папка внутри неё с тремя файлами: about.txt, names.txt и names2.txt.</source>
        <translation>Dossier où l&apos;on a cherché les dictionnaires :
%1

Un dictionnaire est un sous-dossier contenant trois fichiers : about.txt, names.txt et names2.txt.</translation>
    </message>
    <message>
        <source>Произносить слова</source>
        <translation>Prononcer les mots</translation>
    </message>
</context>
</TS>
