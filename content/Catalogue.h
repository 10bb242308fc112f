#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zolinar {

// One object that may be laid around the child, and the profession the
// custom foretells for a child who carries it out of the circle.
struct CatalogueRow {
    std::string_view object;
    std::string_view profession;
};

// Row numbers are 16-bit signed everywhere; -1 means "no row".
using Row = std::int16_t;
inline constexpr Row noRow = -1;
inline constexpr Row catalogueRowCount = 29;

// The catalogue in display order. The object list and the hidden profession
// list are filled from it row by row, and nothing but the row number links an
// object to its profession. Trailing blanks of the professions are part of the
// text (row 7 ends in three) and show up in the report unchanged.
inline constexpr std::array<CatalogueRow, catalogueRowCount> catalogue {
    CatalogueRow{"мобилен телефон", "специалист в съобщенията"},
    CatalogueRow{"макара с конец", "шивач, моделиер "},
    CatalogueRow{"книга", "писател по вида тема"},
    CatalogueRow{"химикалка", "учител"},
    CatalogueRow{"речник", "преводач"},
    CatalogueRow{"портмоне", "банкер, финансист, бизнесмен "},
    CatalogueRow{"бинокъл/компас", "моряк"},
    CatalogueRow{"апарат за кръвно", "лекар, аптекар   "},
    CatalogueRow{"лъжичка", "аптекар"},
    CatalogueRow{"флумастер", "дизайнер, рекламен специалист  "},
    CatalogueRow{"компакт диск", "композитор, певец, дисководещ "},
    CatalogueRow{"боички", "художник"},
    CatalogueRow{"отвертка", "сервизен техник, майстор "},
    CatalogueRow{"компютърна мишка", "компютърен специалист"},
    CatalogueRow{"клавиатура", "програмист, учен "},
    CatalogueRow{"калкулатор", "инженер"},
    CatalogueRow{"молив", "счетоводител"},
    CatalogueRow{"дизайнер", "флумастер"},
    CatalogueRow{"огледало", "артист"},
    CatalogueRow{"бижу", "модел"},
    CatalogueRow{"чаша", "барман, сервитьор"},
    CatalogueRow{"плюшена играчка", "кукловод "},
    CatalogueRow{"вестник", "репортер, журналист"},
    CatalogueRow{"колофон", "музикант"},
    CatalogueRow{"гребен", "фризьор, козметик "},
    CatalogueRow{"черпак", "готвач, дегустатор "},
    CatalogueRow{"цвете", "градинар, цветарски бизнес"},
    CatalogueRow{"кубче, паралелепипед", "архитект, строител"},
    CatalogueRow{"топка", "футболист, спортист"},
};

} // namespace zolinar
