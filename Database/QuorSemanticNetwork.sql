-- Quor Semantic Network: the sample network of the word browser.
--
-- A small bilingual terminology dictionary of computing and information technology,
-- with Bulgarian (BG) and Russian (RU) terms, their meanings, homonyms and synonyms.
-- The build turns this file into Database/QuorSemanticNetwork.mdb with sqlite3:
--     sqlite3 Database/QuorSemanticNetwork.mdb < Database/QuorSemanticNetwork.sql
-- The file is UTF-8. The program only reads the database.

-- Schema ----------------------------------------------------------------------------

create table T_WORD (ID integer primary key, WORD text not null, MORE_INFO text, LANG_CODE text not null);
create table T_MEANING (ID integer primary key, MEANING text not null);
create table TM_WORD_MEANING (WORD_ID integer not null, MEANING_ID integer not null);
create table T_HOMONYM (FIRST_WORD_ID integer not null, SECOND_WORD_ID integer not null);
create table T_SYNONYM (FIRST_WORD_ID integer not null, SECOND_WORD_ID integer not null, IS_ABSOLUTE integer not null);

create index IX_WORD_LANG_CODE on T_WORD (LANG_CODE);
create index IX_WORD_MEANING_WORD_ID on TM_WORD_MEANING (WORD_ID);
create index IX_HOMONYM_FIRST_WORD_ID on T_HOMONYM (FIRST_WORD_ID);
create index IX_HOMONYM_SECOND_WORD_ID on T_HOMONYM (SECOND_WORD_ID);
create index IX_SYNONYM_FIRST_WORD_ID on T_SYNONYM (FIRST_WORD_ID);
create index IX_SYNONYM_SECOND_WORD_ID on T_SYNONYM (SECOND_WORD_ID);
create index IX_SYNONYM_PAIR on T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE);

begin;

-- Words ---------------------------------------------------------------------------
-- MORE_INFO is a short qualifier that the program shows in parentheses after the word;
-- '' when there is none. A few words hold NULL there instead, to try the program on it.

-- Bulgarian words
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  1, 'компютър',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  2, 'ЕИМ',                                 'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  3, 'електронноизчислителна машина',       '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  4, 'персонален компютър',                 '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  5, 'процесор',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  6, 'централен процесор',                  '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  7, 'ЦПУ',                                 'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  8, 'памет',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (  9, 'оперативна памет',                    '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 10, 'ОЗУ',                                 'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 11, 'постоянна памет',                     '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 12, 'ПЗУ',                                 'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 13, 'твърд диск',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 14, 'хард диск',                           'разг.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 15, 'флашка',                              'разг.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 16, 'монитор',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 17, 'дисплей',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 18, 'екран',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 19, 'клавиатура',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 20, 'мишка',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 21, 'мишка',                               'информатика',  'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 22, 'принтер',                             NULL,           'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 23, 'скенер',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 24, 'шина',                                'информатика',  'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 25, 'шина',                                'медицина',     'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 26, 'порт',                                'информатика',  'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 27, 'порт',                                'мореплаване',  'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 28, 'прозорец',                            'информатика',  'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 29, 'прозорец',                            'строителство', 'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 30, 'драйвер',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 31, 'файл',                                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 32, 'директория',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 33, 'папка',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 34, 'разширение',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 35, 'операционна система',                 '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 36, 'ОС',                                  'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 37, 'програма',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 38, 'приложение',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 39, 'програмно осигуряване',               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 40, 'софтуер',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 41, 'апаратно осигуряване',                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 42, 'хардуер',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 43, 'алгоритъм',                           '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 44, 'програмиране',                        '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 45, 'програмист',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 46, 'език за програмиране',                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 47, 'компилатор',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 48, 'интерпретатор',                       '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 49, 'транслатор',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 50, 'изходен код',                         '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 51, 'кодиране',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 52, 'криптиране',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 53, 'шифроване',                           '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 54, 'ключ',                                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 55, 'адрес',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 56, 'променлива',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 57, 'константа',                           '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 58, 'цикъл',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 59, 'рекурсия',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 60, 'функция',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 61, 'процедура',                           '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 62, 'подпрограма',                         '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 63, 'масив',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 64, 'стек',                                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 65, 'опашка',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 66, 'прекъсване',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 67, 'изключение',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 68, 'грешка',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 69, 'бъг',                                 'жарг.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 70, 'отстраняване на грешки',              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 71, 'дебъгване',                           'жарг.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 72, 'тестване',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 73, 'база данни',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 74, 'БД',                                  'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 75, 'СУБД',                                'съкр.',        'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 76, 'система за управление на бази данни', '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 77, 'мрежа',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 78, 'Интернет',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 79, 'сървър',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 80, 'клиент',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 81, 'протокол',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 82, 'маршрутизатор',                       '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 83, 'рутер',                               '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 84, 'браузър',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 85, 'уеб браузър',                         '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 86, 'уебсайт',                             '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 87, 'сайт',                                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 88, 'байт',                                '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 89, 'бит',                                 '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 90, 'Уникод',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 91, 'вирус',                               'информатика',  'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 92, 'вирус',                               'биология',     'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 93, 'парола',                              '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 94, 'информация',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 95, 'операция',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 96, 'инструкция',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 97, 'итерация',                            '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 98, 'компилация',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values ( 99, 'декларация',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (100, 'конфигурация',                        '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (101, 'инсталация',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (102, 'оптимизация',                         '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (103, 'транзакция',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (104, 'репликация',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (105, 'авторизация',                         '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (106, 'автентикация',                        '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (107, 'документация',                        '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (108, 'спецификация',                        '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (109, 'инициализация',                       '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (110, 'абстракция',                          '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (111, 'виртуализация',                       '',             'BG');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (112, 'дефрагментация',                      '',             'BG');

-- Russian words
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (113, 'компьютер',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (114, 'ЭВМ',                                 'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (115, 'электронная вычислительная машина',   '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (116, 'персональный компьютер',              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (117, 'ПК',                                  'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (118, 'процессор',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (119, 'центральный процессор',               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (120, 'ЦП',                                  'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (121, 'ЦПУ',                                 'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (122, 'память',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (123, 'оперативная память',                  '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (124, 'ОЗУ',                                 'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (125, 'оперативное запоминающее устройство', '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (126, 'постоянная память',                   '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (127, 'ПЗУ',                                 'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (128, 'накопитель',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (129, 'винчестер',                           'информатика',  'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (130, 'винчестер',                           'оружие',       'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (131, 'жёсткий диск',                        '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (132, 'НЖМД',                                'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (133, 'флешка',                              'разг.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (134, 'монитор',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (135, 'дисплей',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (136, 'экран',                               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (137, 'клавиатура',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (138, 'мышь',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (139, 'мышь',                                'информатика',  'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (140, 'курсор',                              NULL,           'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (141, 'пиксель',                             NULL,           'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (142, 'устройство ввода',                    '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (143, 'шина',                                'информатика',  'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (144, 'шина',                                'автомобили',   'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (145, 'шина',                                'медицина',     'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (146, 'порт',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (147, 'драйвер',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (148, 'файл',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (149, 'каталог',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (150, 'директория',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (151, 'папка',                               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (152, 'расширение',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (153, 'операционная система',                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (154, 'ОС',                                  'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (155, 'программа',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (156, 'приложение',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (157, 'программное обеспечение',             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (158, 'ПО',                                  'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (159, 'софт',                                'жарг.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (160, 'аппаратное обеспечение',              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (161, 'железо',                              'жарг.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (162, 'алгоритм',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (163, 'программирование',                    '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (164, 'язык программирования',               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (165, 'компилятор',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (166, 'интерпретатор',                       '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (167, 'транслятор',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (168, 'исходный код',                        '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (169, 'исходный текст',                      '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (170, 'кодирование',                         '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (171, 'шифрование',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (172, 'ключ',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (173, 'адрес',                               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (174, 'переменная',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (175, 'константа',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (176, 'значение',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (177, 'выражение',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (178, 'присваивание',                        '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (179, 'ветвление',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (180, 'цикл',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (181, 'итерация',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (182, 'функция',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (183, 'процедура',                           '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (184, 'подпрограмма',                        '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (185, 'массив',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (186, 'стек',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (187, 'магазинная память',                   '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (188, 'очередь',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (189, 'прерывание',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (190, 'исключение',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (191, 'ошибка',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (192, 'баг',                                 'жарг.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (193, 'отладка',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (194, 'отладчик',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (195, 'тестирование',                        '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (196, 'форматирование',                      '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (197, 'копирование',                         '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (198, 'резервное копирование',               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (199, 'архивирование',                       '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (200, 'сохранение',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (201, 'удаление',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (202, 'обновление',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (203, 'разрешение',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (204, 'машинное обучение',                   '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (205, 'база данных',                         '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (206, 'БД',                                  'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (207, 'СУБД',                                'сокр.',        'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (208, 'система управления базами данных',    '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (209, 'сеть',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (210, 'Интернет',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (211, 'Всемирная паутина',                   '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (212, 'сервер',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (213, 'клиент',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (214, 'протокол',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (215, 'соединение',                          '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (216, 'подключение',                         '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (217, 'маршрутизатор',                       '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (218, 'роутер',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (219, 'браузер',                             '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (220, 'веб-браузер',                         '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (221, 'обозреватель',                        '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (222, 'сайт',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (223, 'веб-сайт',                            '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (224, 'байт',                                '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (225, 'бит',                                 '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (226, 'октет',                               '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (227, 'Юникод',                              '',             'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (228, 'вирус',                               'информатика',  'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (229, 'вирус',                               'биология',     'RU');
insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) values (230, 'пароль',                              '',             'RU');

-- Meanings ------------------------------------------------------------------------
-- Each meaning is written in the language of its words. A word shows its meanings in
-- ascending meaning id. The program puts a full stop after every meaning, so a meaning
-- that ends with one itself ("и т. д.") is shown with two.

-- Bulgarian meanings
insert into T_MEANING (ID, MEANING) values (  1, 'Електронно устройство за автоматична обработка на информация по зададена програма');
insert into T_MEANING (ID, MEANING) values (  2, 'Компютър, предназначен за работа на един потребител');
insert into T_MEANING (ID, MEANING) values (  3, 'Устройство, което изпълнява командите на програмата и обработва данните');
insert into T_MEANING (ID, MEANING) values (  4, 'Основното устройство на компютъра, което изпълнява машинните команди');
insert into T_MEANING (ID, MEANING) values (  5, 'Съвкупност от устройства на компютъра, предназначени за съхраняване на програми и данни');
insert into T_MEANING (ID, MEANING) values (  6, 'Енергозависима памет, в която по време на работа се съхраняват изпълняваните програми и обработваните данни');
insert into T_MEANING (ID, MEANING) values (  7, 'Енергонезависима памет, чието съдържание не се променя по време на работа на компютъра');
insert into T_MEANING (ID, MEANING) values (  8, 'Устройство за съхраняване на данни върху въртящи се твърди магнитни плочи');
insert into T_MEANING (ID, MEANING) values (  9, 'Преносимо устройство за съхраняване на данни с флаш памет и USB съединител');
insert into T_MEANING (ID, MEANING) values ( 10, 'Устройство за извеждане на изображение върху екран');
insert into T_MEANING (ID, MEANING) values ( 11, 'Устройство за визуално представяне на информация');
insert into T_MEANING (ID, MEANING) values ( 12, 'Повърхността, върху която се формира изображението');
insert into T_MEANING (ID, MEANING) values ( 13, 'Входно устройство, което се състои от набор от клавиши');
insert into T_MEANING (ID, MEANING) values ( 14, 'Малък гризач с дълга опашка');
insert into T_MEANING (ID, MEANING) values ( 15, 'Устройство, което превръща движението на ръката по масата в движение на курсора по екрана');
insert into T_MEANING (ID, MEANING) values ( 16, 'Устройство за отпечатване на текст и изображения върху хартия');
insert into T_MEANING (ID, MEANING) values ( 17, 'Устройство за въвеждане на изображения и текст от хартия в компютъра');
insert into T_MEANING (ID, MEANING) values ( 18, 'Съвкупност от линии, по които се предават данни между отделните части на компютъра');
insert into T_MEANING (ID, MEANING) values ( 19, 'Приспособление за обездвижване на счупен крайник');
insert into T_MEANING (ID, MEANING) values ( 20, 'Съединител за свързване на външни устройства към компютъра');
insert into T_MEANING (ID, MEANING) values ( 21, 'Номер, който указва на кой процес са предназначени данните в мрежовия протокол');
insert into T_MEANING (ID, MEANING) values ( 22, 'Морско пристанище');
insert into T_MEANING (ID, MEANING) values ( 23, 'Правоъгълна област на екрана, в която работи програма');
insert into T_MEANING (ID, MEANING) values ( 24, 'Отвор в стената на сграда, затворен със стъкло, за светлина и проветряване');
insert into T_MEANING (ID, MEANING) values ( 25, 'Програма, чрез която операционната система управлява дадено устройство');
insert into T_MEANING (ID, MEANING) values ( 26, 'Именувана съвкупност от данни, съхранявана на носител');
insert into T_MEANING (ID, MEANING) values ( 27, 'Обект на файловата система, който съдържа сведения за файлове и други директории');
insert into T_MEANING (ID, MEANING) values ( 28, 'Представянето на директория в графичния интерфейс');
insert into T_MEANING (ID, MEANING) values ( 29, 'Частта от името на файла след точката, която показва неговия тип');
insert into T_MEANING (ID, MEANING) values ( 30, 'Модул, който добавя нови възможности към програма');
insert into T_MEANING (ID, MEANING) values ( 31, 'Комплекс от програми, който управлява ресурсите на компютъра и изпълнението на другите програми');
insert into T_MEANING (ID, MEANING) values ( 32, 'Последователност от команди, предназначена за изпълнение от компютър');
insert into T_MEANING (ID, MEANING) values ( 33, 'Програма, предназначена за решаване на задачи на потребителя');
insert into T_MEANING (ID, MEANING) values ( 34, 'Съвкупността от програмите на една изчислителна система');
insert into T_MEANING (ID, MEANING) values ( 35, 'Съвкупността от физическите устройства на една изчислителна система');
insert into T_MEANING (ID, MEANING) values ( 36, 'Крайна последователност от точно определени действия, която води до решаване на задача');
insert into T_MEANING (ID, MEANING) values ( 37, 'Процесът на създаване на компютърни програми');
insert into T_MEANING (ID, MEANING) values ( 38, 'Специалист, който създава компютърни програми');
insert into T_MEANING (ID, MEANING) values ( 39, 'Формален език за записване на компютърни програми');
insert into T_MEANING (ID, MEANING) values ( 40, 'Програма, която превежда целия изходен текст на програмата в машинен код преди изпълнението ѝ');
insert into T_MEANING (ID, MEANING) values ( 41, 'Програма, която изпълнява изходния текст на програмата ред по ред, без предварителен превод в машинен код');
insert into T_MEANING (ID, MEANING) values ( 42, 'Програма, която превежда текста на програма от един език на друг');
insert into T_MEANING (ID, MEANING) values ( 43, 'Текстът на програма, написан на език за програмиране');
insert into T_MEANING (ID, MEANING) values ( 44, 'Представяне на информацията във вид на код по определени правила');
insert into T_MEANING (ID, MEANING) values ( 45, 'Писане на изходния текст на програма');
insert into T_MEANING (ID, MEANING) values ( 46, 'Преобразуване на данни с цел съдържанието им да се скрие от външни лица');
insert into T_MEANING (ID, MEANING) values ( 47, 'Поле или набор от полета, които еднозначно определят запис в таблица на база данни');
insert into T_MEANING (ID, MEANING) values ( 48, 'Параметър на алгоритъма за шифроване, от който зависи резултатът');
insert into T_MEANING (ID, MEANING) values ( 49, 'Параметър на командния ред, който променя поведението на програмата');
insert into T_MEANING (ID, MEANING) values ( 50, 'Номер на клетка от паметта');
insert into T_MEANING (ID, MEANING) values ( 51, 'Уникален идентификатор на възел в мрежа');
insert into T_MEANING (ID, MEANING) values ( 52, 'Низ, който указва местоположението на ресурс в Интернет');
insert into T_MEANING (ID, MEANING) values ( 53, 'Именувана област от паметта, чиято стойност може да се променя по време на изпълнението на програмата');
insert into T_MEANING (ID, MEANING) values ( 54, 'Величина, чиято стойност не се променя по време на изпълнението на програмата');
insert into T_MEANING (ID, MEANING) values ( 55, 'Многократно повтаряне на група команди');
insert into T_MEANING (ID, MEANING) values ( 56, 'Определяне или изпълнение на функция чрез обръщение към самата нея');
insert into T_MEANING (ID, MEANING) values ( 57, 'Подпрограма, която връща стойност');
insert into T_MEANING (ID, MEANING) values ( 58, 'Съответствие, при което на всеки елемент от едно множество се съпоставя елемент от друго');
insert into T_MEANING (ID, MEANING) values ( 59, 'Подпрограма, която не връща стойност');
insert into T_MEANING (ID, MEANING) values ( 60, 'Именувана част от програма, която може да се извиква от други нейни части');
insert into T_MEANING (ID, MEANING) values ( 61, 'Подредена съвкупност от еднотипни елементи, достъпни чрез индекс');
insert into T_MEANING (ID, MEANING) values ( 62, 'Структура от данни, от която първо се извлича последно добавеният елемент');
insert into T_MEANING (ID, MEANING) values ( 63, 'Структура от данни, от която първо се извлича първо добавеният елемент');
insert into T_MEANING (ID, MEANING) values ( 64, 'Сигнал, който кара процесора да спре текущата програма и да обработи събитие');
insert into T_MEANING (ID, MEANING) values ( 65, 'Събитие, което нарушава нормалния ход на изпълнението на програмата');
insert into T_MEANING (ID, MEANING) values ( 66, 'Дефект в програма, поради който тя работи неправилно');
insert into T_MEANING (ID, MEANING) values ( 67, 'Откриване и отстраняване на грешките в програма');
insert into T_MEANING (ID, MEANING) values ( 68, 'Проверка дали програмата отговаря на поставените изисквания');
insert into T_MEANING (ID, MEANING) values ( 69, 'Подредена съвкупност от данни, които се съхраняват и обработват по общи правила');
insert into T_MEANING (ID, MEANING) values ( 70, 'Комплекс от програми за създаване на бази данни и за работа с тях');
insert into T_MEANING (ID, MEANING) values ( 71, 'Съвкупност от компютри и други устройства, свързани с канали за обмен на данни');
insert into T_MEANING (ID, MEANING) values ( 72, 'Световна система от свързани помежду си компютърни мрежи');
insert into T_MEANING (ID, MEANING) values ( 73, 'Компютър, който предоставя услуги на други компютри в мрежата');
insert into T_MEANING (ID, MEANING) values ( 74, 'Програма, която обслужва заявките на клиентите');
insert into T_MEANING (ID, MEANING) values ( 75, 'Програма или компютър, които се обръщат към сървър за услуги');
insert into T_MEANING (ID, MEANING) values ( 76, 'Съвкупност от правила за обмен на данни между устройства или програми');
insert into T_MEANING (ID, MEANING) values ( 77, 'Мрежово устройство, което препраща пакети между мрежи');
insert into T_MEANING (ID, MEANING) values ( 78, 'Програма за разглеждане на уеб страници');
insert into T_MEANING (ID, MEANING) values ( 79, 'Съвкупност от уеб страници, обединени от общ адрес');
insert into T_MEANING (ID, MEANING) values ( 80, 'Единица за количество информация, равна на осем бита');
insert into T_MEANING (ID, MEANING) values ( 81, 'Най-малката единица за количество информация');
insert into T_MEANING (ID, MEANING) values ( 82, 'Стандарт за кодиране на символи, който обхваща знаците на почти всички писмености');
insert into T_MEANING (ID, MEANING) values ( 83, 'Програма, която се размножава, като вмъква свои копия в други програми');
insert into T_MEANING (ID, MEANING) values ( 84, 'Неклетъчен инфекциозен агент, който се размножава само в живи клетки');
insert into T_MEANING (ID, MEANING) values ( 85, 'Тайна последователност от знаци, с която потребителят потвърждава самоличността си');
insert into T_MEANING (ID, MEANING) values ( 86, 'Сведения, които се представят, съхраняват и обработват под формата на данни');
insert into T_MEANING (ID, MEANING) values ( 87, 'Действие, което се извършва върху един или няколко операнда');
insert into T_MEANING (ID, MEANING) values ( 88, 'Елементарна команда, която процесорът може да изпълни');
insert into T_MEANING (ID, MEANING) values ( 89, 'Еднократно изпълнение на тялото на цикъл');
insert into T_MEANING (ID, MEANING) values ( 90, 'Превеждане на изходния текст на програма в машинен код');
insert into T_MEANING (ID, MEANING) values ( 91, 'Конструкция в програма, която въвежда име и определя неговия тип');
insert into T_MEANING (ID, MEANING) values ( 92, 'Съставът и взаимното свързване на устройствата на една компютърна система');
insert into T_MEANING (ID, MEANING) values ( 93, 'Съвкупността от настройките на програма');
insert into T_MEANING (ID, MEANING) values ( 94, 'Поставяне на програма в компютъра и подготвянето ѝ за работа');
insert into T_MEANING (ID, MEANING) values ( 95, 'Изменение на програма, така че тя да работи по-бързо или да използва по-малко ресурси');
insert into T_MEANING (ID, MEANING) values ( 96, 'Група операции с база данни, които се изпълняват или изцяло, или изобщо не се изпълняват');
insert into T_MEANING (ID, MEANING) values ( 97, 'Поддържане на копия на едни и същи данни на няколко места');
insert into T_MEANING (ID, MEANING) values ( 98, 'Предоставяне на потребителя на права за достъп до ресурс');
insert into T_MEANING (ID, MEANING) values ( 99, 'Проверка на самоличността на потребител');
insert into T_MEANING (ID, MEANING) values (100, 'Съвкупност от документи, които описват програма и начина на работа с нея');
insert into T_MEANING (ID, MEANING) values (101, 'Точно описание на изискванията към програма или система');
insert into T_MEANING (ID, MEANING) values (102, 'Задаване на начална стойност на променлива');
insert into T_MEANING (ID, MEANING) values (103, 'Отделяне на съществените свойства на обект и пренебрегване на несъществените');
insert into T_MEANING (ID, MEANING) values (104, 'Създаване на виртуален вариант на изчислителен ресурс, например на компютър или на операционна система');
insert into T_MEANING (ID, MEANING) values (105, 'Пренареждане на файловете на диска така, че всеки от тях да заема съседни участъци');

-- Russian meanings
insert into T_MEANING (ID, MEANING) values (106, 'Электронное устройство для автоматической обработки информации по заданной программе');
insert into T_MEANING (ID, MEANING) values (107, 'Компьютер, предназначенный для работы одного пользователя');
insert into T_MEANING (ID, MEANING) values (108, 'Устройство, которое выполняет команды программы и обрабатывает данные');
insert into T_MEANING (ID, MEANING) values (109, 'Программа для обработки данных определённого вида');
insert into T_MEANING (ID, MEANING) values (110, 'Основное устройство компьютера, исполняющее машинные команды');
insert into T_MEANING (ID, MEANING) values (111, 'Совокупность устройств компьютера, предназначенных для хранения программ и данных');
insert into T_MEANING (ID, MEANING) values (112, 'Энергозависимая память, в которой во время работы хранятся выполняемые программы и обрабатываемые данные');
insert into T_MEANING (ID, MEANING) values (113, 'Энергонезависимая память, содержимое которой не изменяется во время работы компьютера');
insert into T_MEANING (ID, MEANING) values (114, 'Устройство для долговременного хранения данных');
insert into T_MEANING (ID, MEANING) values (115, 'Разговорное название жёсткого диска');
insert into T_MEANING (ID, MEANING) values (116, 'Многозарядная винтовка с подствольным трубчатым магазином');
insert into T_MEANING (ID, MEANING) values (117, 'Накопитель, в котором данные записываются на вращающиеся жёсткие магнитные пластины');
insert into T_MEANING (ID, MEANING) values (118, 'Переносной накопитель на флеш-памяти с разъёмом USB');
insert into T_MEANING (ID, MEANING) values (119, 'Устройство для вывода изображения на экран');
insert into T_MEANING (ID, MEANING) values (120, 'Программа, которая наблюдает за работой системы');
insert into T_MEANING (ID, MEANING) values (121, 'Устройство для визуального представления информации');
insert into T_MEANING (ID, MEANING) values (122, 'Поверхность, на которой формируется изображение');
insert into T_MEANING (ID, MEANING) values (123, 'Устройство ввода в виде набора клавиш');
insert into T_MEANING (ID, MEANING) values (124, 'Мелкий грызун с длинным хвостом');
insert into T_MEANING (ID, MEANING) values (125, 'Манипулятор, который преобразует движение руки по столу в перемещение курсора на экране');
insert into T_MEANING (ID, MEANING) values (126, 'Метка на экране, указывающая место ввода или выбора');
insert into T_MEANING (ID, MEANING) values (127, 'Наименьший элемент растрового изображения');
insert into T_MEANING (ID, MEANING) values (128, 'Устройство, служащее для ввода данных в компьютер: клавиатура, мышь, сканер и т. д.');
insert into T_MEANING (ID, MEANING) values (129, 'Совокупность линий, по которым передаются данные между узлами компьютера');
insert into T_MEANING (ID, MEANING) values (130, 'Упругая резиновая оболочка, надеваемая на обод колеса');
insert into T_MEANING (ID, MEANING) values (131, 'Приспособление для неподвижного закрепления повреждённой конечности');
insert into T_MEANING (ID, MEANING) values (132, 'Разъём для подключения внешних устройств к компьютеру');
insert into T_MEANING (ID, MEANING) values (133, 'Число, которое указывает процесс-получатель данных в сетевом протоколе');
insert into T_MEANING (ID, MEANING) values (134, 'Программа, через которую операционная система управляет устройством');
insert into T_MEANING (ID, MEANING) values (135, 'Именованная область данных на носителе информации');
insert into T_MEANING (ID, MEANING) values (136, 'Объект файловой системы, содержащий сведения о файлах и других каталогах');
insert into T_MEANING (ID, MEANING) values (137, 'Представление каталога в графическом интерфейсе пользователя');
insert into T_MEANING (ID, MEANING) values (138, 'Часть имени файла после точки, указывающая на его тип');
insert into T_MEANING (ID, MEANING) values (139, 'Модуль, который добавляет программе новые возможности');
insert into T_MEANING (ID, MEANING) values (140, 'Комплекс программ, управляющий ресурсами компьютера и выполнением других программ');
insert into T_MEANING (ID, MEANING) values (141, 'Последовательность команд, предназначенная для выполнения компьютером');
insert into T_MEANING (ID, MEANING) values (142, 'Описание алгоритма на языке программирования');
insert into T_MEANING (ID, MEANING) values (143, 'Программа, предназначенная для решения задач пользователя');
insert into T_MEANING (ID, MEANING) values (144, 'Совокупность программ вычислительной системы');
insert into T_MEANING (ID, MEANING) values (145, 'Совокупность физических устройств вычислительной системы');
insert into T_MEANING (ID, MEANING) values (146, 'Конечная последовательность точно определённых действий, ведущая к решению задачи');
insert into T_MEANING (ID, MEANING) values (147, 'Процесс создания компьютерных программ');
insert into T_MEANING (ID, MEANING) values (148, 'Формальный язык для записи компьютерных программ');
insert into T_MEANING (ID, MEANING) values (149, 'Программа, которая переводит весь исходный текст программы в машинный код до её выполнения');
insert into T_MEANING (ID, MEANING) values (150, 'Программа, которая выполняет исходный текст программы по частям, без предварительного перевода в машинный код');
insert into T_MEANING (ID, MEANING) values (151, 'Программа, которая переводит текст программы с одного языка на другой');
insert into T_MEANING (ID, MEANING) values (152, 'Текст программы на языке программирования');
insert into T_MEANING (ID, MEANING) values (153, 'Представление информации в виде кода по заданным правилам');
insert into T_MEANING (ID, MEANING) values (154, 'Написание исходного текста программы');
insert into T_MEANING (ID, MEANING) values (155, 'Преобразование данных с целью скрыть их содержание от посторонних');
insert into T_MEANING (ID, MEANING) values (156, 'Поле или набор полей, однозначно определяющий запись в таблице базы данных');
insert into T_MEANING (ID, MEANING) values (157, 'Параметр алгоритма шифрования, от которого зависит результат преобразования');
insert into T_MEANING (ID, MEANING) values (158, 'Параметр командной строки, изменяющий поведение программы');
insert into T_MEANING (ID, MEANING) values (159, 'Элемент ассоциативного массива, по которому отыскивается значение');
insert into T_MEANING (ID, MEANING) values (160, 'Номер ячейки памяти');
insert into T_MEANING (ID, MEANING) values (161, 'Уникальный идентификатор узла в сети');
insert into T_MEANING (ID, MEANING) values (162, 'Строка, указывающая расположение ресурса в Интернете');
insert into T_MEANING (ID, MEANING) values (163, 'Именованная область памяти, значение которой может изменяться во время выполнения программы');
insert into T_MEANING (ID, MEANING) values (164, 'Величина, значение которой не изменяется во время выполнения программы');
insert into T_MEANING (ID, MEANING) values (165, 'Данные, которые хранятся в переменной или возвращаются функцией');
insert into T_MEANING (ID, MEANING) values (166, 'Комбинация операндов и знаков операций, результатом вычисления которой является значение');
insert into T_MEANING (ID, MEANING) values (167, 'Операция, которая записывает значение в переменную');
insert into T_MEANING (ID, MEANING) values (168, 'Конструкция, которая выбирает одно из продолжений программы в зависимости от условия');
insert into T_MEANING (ID, MEANING) values (169, 'Многократное повторение группы команд');
insert into T_MEANING (ID, MEANING) values (170, 'Однократное выполнение тела цикла');
insert into T_MEANING (ID, MEANING) values (171, 'Повторение действий для последовательного приближения к результату');
insert into T_MEANING (ID, MEANING) values (172, 'Подпрограмма, возвращающая значение');
insert into T_MEANING (ID, MEANING) values (173, 'Подпрограмма, не возвращающая значения');
insert into T_MEANING (ID, MEANING) values (174, 'Именованная часть программы, которую можно вызывать из других её частей');
insert into T_MEANING (ID, MEANING) values (175, 'Упорядоченный набор однотипных элементов, доступных по индексу');
insert into T_MEANING (ID, MEANING) values (176, 'Структура данных, в которой первым извлекается элемент, добавленный последним');
insert into T_MEANING (ID, MEANING) values (177, 'Структура данных, в которой первым извлекается элемент, добавленный первым');
insert into T_MEANING (ID, MEANING) values (178, 'Сигнал, заставляющий процессор приостановить текущую программу и перейти к обработке события');
insert into T_MEANING (ID, MEANING) values (179, 'Событие, нарушающее нормальный ход выполнения программы');
insert into T_MEANING (ID, MEANING) values (180, 'Дефект в программе, из-за которого она работает неправильно');
insert into T_MEANING (ID, MEANING) values (181, 'Поиск и устранение ошибок в программе');
insert into T_MEANING (ID, MEANING) values (182, 'Программа для пошагового выполнения и анализа других программ');
insert into T_MEANING (ID, MEANING) values (183, 'Проверка соответствия программы предъявляемым требованиям');
insert into T_MEANING (ID, MEANING) values (184, 'Разметка носителя данных для записи файловой системы');
insert into T_MEANING (ID, MEANING) values (185, 'Оформление текста документа');
insert into T_MEANING (ID, MEANING) values (186, 'Создание точной копии данных');
insert into T_MEANING (ID, MEANING) values (187, 'Создание копии данных для их восстановления в случае утраты');
insert into T_MEANING (ID, MEANING) values (188, 'Упаковка файлов в архив, обычно со сжатием');
insert into T_MEANING (ID, MEANING) values (189, 'Запись данных из оперативной памяти на накопитель');
insert into T_MEANING (ID, MEANING) values (190, 'Уничтожение файла или записи');
insert into T_MEANING (ID, MEANING) values (191, 'Замена программы или её части более новой версией');
insert into T_MEANING (ID, MEANING) values (192, 'Число точек изображения по горизонтали и по вертикали');
insert into T_MEANING (ID, MEANING) values (193, 'Право пользователя на доступ к ресурсу');
insert into T_MEANING (ID, MEANING) values (194, 'Раздел искусственного интеллекта, изучающий методы построения алгоритмов, способных обучаться на данных');
insert into T_MEANING (ID, MEANING) values (195, 'Упорядоченная совокупность данных, которые хранятся и обрабатываются по общим правилам');
insert into T_MEANING (ID, MEANING) values (196, 'Комплекс программ для создания баз данных и работы с ними');
insert into T_MEANING (ID, MEANING) values (197, 'Совокупность компьютеров и других устройств, соединённых каналами связи для обмена данными');
insert into T_MEANING (ID, MEANING) values (198, 'Всемирная компьютерная сеть Интернет');
insert into T_MEANING (ID, MEANING) values (199, 'Всемирная система объединённых компьютерных сетей');
insert into T_MEANING (ID, MEANING) values (200, 'Система связанных гиперссылками документов, доступных через Интернет');
insert into T_MEANING (ID, MEANING) values (201, 'Компьютер, который предоставляет услуги другим компьютерам сети');
insert into T_MEANING (ID, MEANING) values (202, 'Программа, обслуживающая запросы клиентов');
insert into T_MEANING (ID, MEANING) values (203, 'Программа или компьютер, которые обращаются к серверу за услугами');
insert into T_MEANING (ID, MEANING) values (204, 'Набор правил обмена данными между устройствами или программами');
insert into T_MEANING (ID, MEANING) values (205, 'Канал обмена данными между двумя узлами сети');
insert into T_MEANING (ID, MEANING) values (206, 'Присоединение устройства или программы к сети или к другому устройству');
insert into T_MEANING (ID, MEANING) values (207, 'Сетевое устройство, которое пересылает пакеты между сетями');
insert into T_MEANING (ID, MEANING) values (208, 'Программа для просмотра веб-страниц');
insert into T_MEANING (ID, MEANING) values (209, 'Совокупность веб-страниц, объединённых общим адресом');
insert into T_MEANING (ID, MEANING) values (210, 'Единица количества информации, равная восьми битам');
insert into T_MEANING (ID, MEANING) values (211, 'Наименьшая единица количества информации');
insert into T_MEANING (ID, MEANING) values (212, 'Последовательность из восьми битов');
insert into T_MEANING (ID, MEANING) values (213, 'Стандарт кодирования символов, охватывающий знаки почти всех письменностей');
insert into T_MEANING (ID, MEANING) values (214, 'Программа, способная размножаться, внедряя свои копии в другие программы');
insert into T_MEANING (ID, MEANING) values (215, 'Неклеточный инфекционный агент, размножающийся только внутри живых клеток');
insert into T_MEANING (ID, MEANING) values (216, 'Секретная последовательность символов для подтверждения подлинности пользователя');

-- Meanings of the words -----------------------------------------------------------
-- Abbreviations and their full forms share one meaning. Words without a row here have
-- no meaning.

-- Bulgarian words
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  1,   1);  -- компютър
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  3,   1);  -- електронноизчислителна машина
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  4,   2);  -- персонален компютър
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  5,   3);  -- процесор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  6,   4);  -- централен процесор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  7,   4);  -- ЦПУ (съкр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  8,   5);  -- памет
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (  9,   6);  -- оперативна памет
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 10,   6);  -- ОЗУ (съкр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 11,   7);  -- постоянна памет
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 12,   7);  -- ПЗУ (съкр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 13,   8);  -- твърд диск
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 14,   8);  -- хард диск (разг.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 15,   9);  -- флашка (разг.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 16,  10);  -- монитор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 17,  11);  -- дисплей
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 18,  12);  -- екран
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 19,  13);  -- клавиатура
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 20,  14);  -- мишка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 21,  15);  -- мишка (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 22,  16);  -- принтер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 23,  17);  -- скенер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 24,  18);  -- шина (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 25,  19);  -- шина (медицина)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 26,  20);  -- порт (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 26,  21);  -- порт (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 27,  22);  -- порт (мореплаване)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 28,  23);  -- прозорец (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 29,  24);  -- прозорец (строителство)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 30,  25);  -- драйвер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 31,  26);  -- файл
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 32,  27);  -- директория
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 33,  28);  -- папка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 34,  29);  -- разширение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 34,  30);  -- разширение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 35,  31);  -- операционна система
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 36,  31);  -- ОС (съкр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 37,  32);  -- програма
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 38,  33);  -- приложение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 39,  34);  -- програмно осигуряване
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 40,  34);  -- софтуер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 41,  35);  -- апаратно осигуряване
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 42,  35);  -- хардуер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 43,  36);  -- алгоритъм
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 44,  37);  -- програмиране
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 45,  38);  -- програмист
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 46,  39);  -- език за програмиране
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 47,  40);  -- компилатор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 48,  41);  -- интерпретатор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 49,  42);  -- транслатор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 50,  43);  -- изходен код
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 51,  44);  -- кодиране
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 51,  45);  -- кодиране
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 52,  46);  -- криптиране
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 53,  46);  -- шифроване
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 54,  47);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 54,  48);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 54,  49);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 55,  50);  -- адрес
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 55,  51);  -- адрес
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 55,  52);  -- адрес
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 56,  53);  -- променлива
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 57,  54);  -- константа
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 58,  55);  -- цикъл
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 59,  56);  -- рекурсия
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 60,  57);  -- функция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 60,  58);  -- функция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 61,  59);  -- процедура
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 62,  60);  -- подпрограма
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 63,  61);  -- масив
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 64,  62);  -- стек
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 65,  63);  -- опашка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 66,  64);  -- прекъсване
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 67,  65);  -- изключение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 68,  66);  -- грешка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 70,  67);  -- отстраняване на грешки
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 72,  68);  -- тестване
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 73,  69);  -- база данни
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 74,  69);  -- БД (съкр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 75,  70);  -- СУБД (съкр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 76,  70);  -- система за управление на бази данни
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 77,  71);  -- мрежа
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 78,  72);  -- Интернет
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 79,  73);  -- сървър
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 79,  74);  -- сървър
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 80,  75);  -- клиент
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 81,  76);  -- протокол
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 82,  77);  -- маршрутизатор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 83,  77);  -- рутер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 84,  78);  -- браузър
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 85,  78);  -- уеб браузър
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 86,  79);  -- уебсайт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 87,  79);  -- сайт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 88,  80);  -- байт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 89,  81);  -- бит
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 90,  82);  -- Уникод
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 91,  83);  -- вирус (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 92,  84);  -- вирус (биология)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 93,  85);  -- парола
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 94,  86);  -- информация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 95,  87);  -- операция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 96,  88);  -- инструкция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 97,  89);  -- итерация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 98,  90);  -- компилация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values ( 99,  91);  -- декларация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (100,  92);  -- конфигурация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (100,  93);  -- конфигурация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (101,  94);  -- инсталация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (102,  95);  -- оптимизация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (103,  96);  -- транзакция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (104,  97);  -- репликация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (105,  98);  -- авторизация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (106,  99);  -- автентикация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (107, 100);  -- документация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (108, 101);  -- спецификация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (109, 102);  -- инициализация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (110, 103);  -- абстракция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (111, 104);  -- виртуализация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (112, 105);  -- дефрагментация

-- Russian words
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (113, 106);  -- компьютер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (115, 106);  -- электронная вычислительная машина
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (116, 107);  -- персональный компьютер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (117, 107);  -- ПК (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (118, 108);  -- процессор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (118, 109);  -- процессор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (119, 110);  -- центральный процессор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (120, 110);  -- ЦП (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (122, 111);  -- память
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (123, 112);  -- оперативная память
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (124, 112);  -- ОЗУ (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (125, 112);  -- оперативное запоминающее устройство
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (126, 113);  -- постоянная память
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (127, 113);  -- ПЗУ (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (128, 114);  -- накопитель
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (129, 115);  -- винчестер (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (130, 116);  -- винчестер (оружие)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (131, 117);  -- жёсткий диск
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (132, 117);  -- НЖМД (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (133, 118);  -- флешка (разг.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (134, 119);  -- монитор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (134, 120);  -- монитор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (135, 121);  -- дисплей
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (136, 122);  -- экран
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (137, 123);  -- клавиатура
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (138, 124);  -- мышь
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (139, 125);  -- мышь (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (140, 126);  -- курсор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (141, 127);  -- пиксель
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (142, 128);  -- устройство ввода
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (143, 129);  -- шина (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (144, 130);  -- шина (автомобили)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (145, 131);  -- шина (медицина)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (146, 132);  -- порт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (146, 133);  -- порт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (147, 134);  -- драйвер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (148, 135);  -- файл
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (149, 136);  -- каталог
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (150, 136);  -- директория
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (151, 137);  -- папка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (152, 138);  -- расширение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (152, 139);  -- расширение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (153, 140);  -- операционная система
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (154, 140);  -- ОС (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (155, 141);  -- программа
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (155, 142);  -- программа
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (156, 143);  -- приложение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (157, 144);  -- программное обеспечение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (158, 144);  -- ПО (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (160, 145);  -- аппаратное обеспечение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (162, 146);  -- алгоритм
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (163, 147);  -- программирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (164, 148);  -- язык программирования
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (165, 149);  -- компилятор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (166, 150);  -- интерпретатор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (167, 151);  -- транслятор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (168, 152);  -- исходный код
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (169, 152);  -- исходный текст
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (170, 153);  -- кодирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (170, 154);  -- кодирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (171, 155);  -- шифрование
-- the rows of ключ are listed backwards; its meanings still show in meaning id order
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (172, 159);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (172, 158);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (172, 157);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (172, 156);  -- ключ
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (173, 160);  -- адрес
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (173, 161);  -- адрес
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (173, 162);  -- адрес
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (174, 163);  -- переменная
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (175, 164);  -- константа
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (176, 165);  -- значение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (177, 166);  -- выражение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (178, 167);  -- присваивание
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (179, 168);  -- ветвление
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (180, 169);  -- цикл
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (181, 170);  -- итерация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (181, 171);  -- итерация
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (182, 172);  -- функция
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (183, 173);  -- процедура
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (184, 174);  -- подпрограмма
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (185, 175);  -- массив
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (186, 176);  -- стек
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (187, 176);  -- магазинная память
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (188, 177);  -- очередь
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (189, 178);  -- прерывание
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (190, 179);  -- исключение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (191, 180);  -- ошибка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (193, 181);  -- отладка
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (194, 182);  -- отладчик
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (195, 183);  -- тестирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (196, 184);  -- форматирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (196, 185);  -- форматирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (197, 186);  -- копирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (198, 187);  -- резервное копирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (199, 188);  -- архивирование
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (200, 189);  -- сохранение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (201, 190);  -- удаление
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (202, 191);  -- обновление
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (203, 192);  -- разрешение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (203, 193);  -- разрешение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (204, 194);  -- машинное обучение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (205, 195);  -- база данных
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (206, 195);  -- БД (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (207, 196);  -- СУБД (сокр.)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (208, 196);  -- система управления базами данных
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (209, 197);  -- сеть
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (209, 198);  -- сеть
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (210, 199);  -- Интернет
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (211, 200);  -- Всемирная паутина
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (212, 201);  -- сервер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (212, 202);  -- сервер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (213, 203);  -- клиент
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (214, 204);  -- протокол
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (215, 205);  -- соединение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (216, 206);  -- подключение
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (217, 207);  -- маршрутизатор
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (218, 207);  -- роутер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (219, 208);  -- браузер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (220, 208);  -- веб-браузер
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (221, 208);  -- обозреватель
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (222, 209);  -- сайт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (223, 209);  -- веб-сайт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (224, 210);  -- байт
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (225, 211);  -- бит
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (226, 212);  -- октет
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (227, 213);  -- Юникод
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (228, 214);  -- вирус (информатика)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (229, 215);  -- вирус (биология)
insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (230, 216);  -- пароль

-- Homonyms ------------------------------------------------------------------------
-- Words spelled alike with different senses, told apart by MORE_INFO.

-- Bulgarian homonyms
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values ( 20,  21);  -- мишка / мишка (информатика)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values ( 24,  25);  -- шина (информатика) / шина (медицина)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values ( 26,  27);  -- порт (информатика) / порт (мореплаване)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values ( 28,  29);  -- прозорец (информатика) / прозорец (строителство)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values ( 91,  92);  -- вирус (информатика) / вирус (биология)

-- Russian homonyms
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (138, 139);  -- мышь / мышь (информатика)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (143, 144);  -- шина (информатика) / шина (автомобили)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (143, 145);  -- шина (информатика) / шина (медицина)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (144, 145);  -- шина (автомобили) / шина (медицина)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (129, 130);  -- винчестер (информатика) / винчестер (оружие)
insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (228, 229);  -- вирус (информатика) / вирус (биология)

-- Synonyms ------------------------------------------------------------------------
-- IS_ABSOLUTE 1: absolute synonyms, fully interchangeable terms;
-- IS_ABSOLUTE 0: relative synonyms, terms close in meaning.

-- Bulgarian absolute synonyms
-- компютър
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  1,   2, 1);  -- компютър - ЕИМ (съкр.)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  1,   3, 1);  -- компютър - електронноизчислителна машина
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  2,   3, 1);  -- ЕИМ (съкр.) - електронноизчислителна машина
-- централен процесор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  6,   7, 1);  -- централен процесор - ЦПУ (съкр.)
-- оперативна памет
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  9,  10, 1);  -- оперативна памет - ОЗУ (съкр.)
-- постоянна памет
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 11,  12, 1);  -- постоянна памет - ПЗУ (съкр.)
-- твърд диск
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 13,  14, 1);  -- твърд диск - хард диск (разг.)
-- операционна система
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 35,  36, 1);  -- операционна система - ОС (съкр.)
-- програмно осигуряване
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 39,  40, 1);  -- програмно осигуряване - софтуер
-- апаратно осигуряване
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 41,  42, 1);  -- апаратно осигуряване - хардуер
-- криптиране
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 52,  53, 1);  -- криптиране - шифроване
-- отстраняване на грешки
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 70,  71, 1);  -- отстраняване на грешки - дебъгване (жарг.)
-- база данни
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 73,  74, 1);  -- база данни - БД (съкр.)
-- СУБД
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 75,  76, 1);  -- СУБД (съкр.) - система за управление на бази данни
-- маршрутизатор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 82,  83, 1);  -- маршрутизатор - рутер
-- браузър
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 84,  85, 1);  -- браузър - уеб браузър
-- уебсайт
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 86,  87, 1);  -- уебсайт - сайт

-- Russian absolute synonyms
-- компьютер (компьютер - ЭВМ is also stored as a relative pair below)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (113, 114, 1);  -- компьютер - ЭВМ (сокр.)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (113, 115, 1);  -- компьютер - электронная вычислительная машина
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (114, 115, 1);  -- ЭВМ (сокр.) - электронная вычислительная машина
-- персональный компьютер
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (116, 117, 1);  -- персональный компьютер - ПК (сокр.)
-- центральный процессор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (119, 120, 1);  -- центральный процессор - ЦП (сокр.)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (119, 121, 1);  -- центральный процессор - ЦПУ (сокр.)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (120, 121, 1);  -- ЦП (сокр.) - ЦПУ (сокр.)
-- оперативная память; ОЗУ has absolute synonyms and no relative ones
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (123, 124, 1);  -- оперативная память - ОЗУ (сокр.)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (123, 125, 1);  -- оперативная память - оперативное запоминающее устройство
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (124, 125, 1);  -- ОЗУ (сокр.) - оперативное запоминающее устройство
-- постоянная память
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (126, 127, 1);  -- постоянная память - ПЗУ (сокр.)
-- жёсткий диск: a chain that is not transitive, винчестер - жёсткий диск - НЖМД,
-- with no absolute pair винчестер - НЖМД
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (129, 131, 1);  -- винчестер (информатика) - жёсткий диск
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (131, 132, 1);  -- жёсткий диск - НЖМД (сокр.)
-- каталог
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (149, 150, 1);  -- каталог - директория
-- операционная система
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (153, 154, 1);  -- операционная система - ОС (сокр.)
-- программное обеспечение
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (157, 158, 1);  -- программное обеспечение - ПО (сокр.)
-- исходный код
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (168, 169, 1);  -- исходный код - исходный текст
-- стек
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (186, 187, 1);  -- стек - магазинная память
-- база данных
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (205, 206, 1);  -- база данных - БД (сокр.)
-- СУБД
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (207, 208, 1);  -- СУБД (сокр.) - система управления базами данных
-- маршрутизатор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (217, 218, 1);  -- маршрутизатор - роутер
-- браузер
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (219, 220, 1);  -- браузер - веб-браузер
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (219, 221, 1);  -- браузер - обозреватель
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (220, 221, 1);  -- веб-браузер - обозреватель
-- сайт
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (222, 223, 1);  -- сайт - веб-сайт

-- Bulgarian relative synonyms
-- компютър
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  1,   4, 0);  -- компютър - персонален компютър
-- процесор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  5,   6, 0);  -- процесор - централен процесор
-- памет
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  8,   9, 0);  -- памет - оперативна памет
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (  8,  11, 0);  -- памет - постоянна памет
-- монитор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 16,  17, 0);  -- монитор - дисплей
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 16,  18, 0);  -- монитор - екран
-- папка
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 33,  32, 0);  -- папка - директория
-- програма
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 37,  38, 0);  -- програма - приложение
-- транслатор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 47,  49, 0);  -- компилатор - транслатор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 48,  49, 0);  -- интерпретатор - транслатор
-- кодиране
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 51,  52, 0);  -- кодиране - криптиране
-- грешка
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 68,  69, 0);  -- грешка - бъг (жарг.)
-- подпрограма
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 62,  60, 0);  -- подпрограма - функция
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 62,  61, 0);  -- подпрограма - процедура
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 60,  61, 0);  -- функция - процедура
-- цикъл
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 58,  97, 0);  -- цикъл - итерация
-- мрежа
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values ( 77,  78, 0);  -- мрежа - Интернет

-- Russian relative synonyms
-- компьютер: ЭВМ is both a relative and an absolute synonym of компьютер
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (113, 114, 0);  -- компьютер - ЭВМ (сокр.)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (113, 116, 0);  -- компьютер - персональный компьютер
-- процессор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (118, 119, 0);  -- процессор - центральный процессор
-- память
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (122, 123, 0);  -- память - оперативная память
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (122, 126, 0);  -- память - постоянная память
-- накопитель: relative synonyms only; among them the chain винчестер - жёсткий диск - НЖМД
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (128, 129, 0);  -- накопитель - винчестер (информатика)
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (128, 131, 0);  -- накопитель - жёсткий диск
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (128, 132, 0);  -- накопитель - НЖМД (сокр.)
-- монитор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (134, 135, 0);  -- монитор - дисплей
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (134, 136, 0);  -- монитор - экран
-- папка
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (151, 149, 0);  -- папка - каталог
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (151, 150, 0);  -- папка - директория
-- программа
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (155, 156, 0);  -- программа - приложение
-- программное обеспечение
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (157, 159, 0);  -- программное обеспечение - софт (жарг.)
-- аппаратное обеспечение
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (160, 161, 0);  -- аппаратное обеспечение - железо (жарг.)
-- транслятор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (165, 167, 0);  -- компилятор - транслятор
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (166, 167, 0);  -- интерпретатор - транслятор
-- кодирование
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (170, 171, 0);  -- кодирование - шифрование
-- ошибка
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (191, 192, 0);  -- ошибка - баг (жарг.)
-- подпрограмма
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (184, 182, 0);  -- подпрограмма - функция
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (184, 183, 0);  -- подпрограмма - процедура
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (182, 183, 0);  -- функция - процедура
-- цикл
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (180, 181, 0);  -- цикл - итерация
-- прерывание
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (189, 190, 0);  -- прерывание - исключение
-- байт
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (224, 226, 0);  -- байт - октет
-- сеть
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (209, 210, 0);  -- сеть - Интернет
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (210, 211, 0);  -- Интернет - Всемирная паутина
-- соединение
insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE) values (215, 216, 0);  -- соединение - подключение

commit;
