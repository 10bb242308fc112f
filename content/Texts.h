#pragma once

#include <string_view>

namespace zolinar {

// Line end of every text the program shows or composes.
inline constexpr std::string_view lineEnd = "\r\n";

// Initial content of the display box: the custom, the task the program
// fulfils, and an example list of objects and professions. It is a fixed text
// in its own right, not generated from the catalogue; its example list happens
// to repeat the catalogue, except that the last line has a blank after the
// colon.
inline constexpr std::string_view guideText =
    "Съществува обичай: по предмета, избран от проходилото дете, се съди за неговата бъдеща професия.\r\n"
    "Предметите се нареждат в кръг. В центъра на кръга се поставя проходилото дете.\r\n"
    "Всички поканени са извън кръга и пазят мълчание - чакат дете да си избере предмет и да излезе от кръга с него.\r\n"
    "Да се състави проект осъществяващ междупредметна връзка ИТ и Информатика.\r\n"
    "Проектът да представя обичая золинар.\r\n"
    "Потребителят може да избира само един предмет от списъка с изброени предмети.\r\n"
    "Избраният предмет се извежда в отделно текстово поле и се извежда информация за:\r\n"
    "а) посочения предмет;\r\n"
    "б) свързаната с предмета професия.\r\n"
    "\r\n"
    "Следва примерен списък за золинар:\r\n"
    "Предмет:Професия\r\n"
    "мобилен телефон:специалист в съобщенията\r\n"
    "макара с конец:шивач, моделиер \r\n"
    "книга:писател по вида тема\r\n"
    "химикалка:учител\r\n"
    "речник:преводач\r\n"
    "портмоне:банкер, финансист, бизнесмен \r\n"
    "бинокъл/компас:моряк\r\n"
    "апарат за кръвно:лекар, аптекар   \r\n"
    "лъжичка:аптекар\r\n"
    "флумастер:дизайнер, рекламен специалист  \r\n"
    "компакт диск:композитор, певец, дисководещ \r\n"
    "боички:художник\r\n"
    "отвертка:сервизен техник, майстор \r\n"
    "компютърна мишка:компютърен специалист\r\n"
    "клавиатура:програмист, учен \r\n"
    "калкулатор:инженер\r\n"
    "молив:счетоводител\r\n"
    "дизайнер:флумастер\r\n"
    "огледало:артист\r\n"
    "бижу:модел\r\n"
    "чаша:барман, сервитьор\r\n"
    "плюшена играчка:кукловод \r\n"
    "вестник:репортер, журналист\r\n"
    "колофон:музикант\r\n"
    "гребен:фризьор, козметик \r\n"
    "черпак:готвач, дегустатор \r\n"
    "цвете:градинар, цветарски бизнес\r\n"
    "кубче, паралелепипед:архитект, строител\r\n"
    "топка: футболист, спортист\r\n";

// Content of the hidden second text box. It is part of the window and is
// never shown or touched at run time.
inline constexpr std::string_view quoteText =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

// Fixed texts of the choice report and of the reset after Clear.
inline constexpr std::string_view reportFirstLine = "Детето е излязло от кръга с: ";
inline constexpr std::string_view objectLinePrefix = "Избран предмет: ";
inline constexpr std::string_view professionLinePrefix = "Предполагаема професия: ";
inline constexpr std::string_view resetMessage = "Направете своя нов избор!";

} // namespace zolinar
