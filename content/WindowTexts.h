#pragma once

#include <string_view>

namespace zolinar {

// Captions of the window and its controls.
inline constexpr std::string_view windowCaption = "www.example.org  ИТ - определяне на професия";
inline constexpr std::string_view titleCaption = "Золинар - релация между предмет и професия";
inline constexpr std::string_view clearCaption = "Чисти";

// What a screen reader says for each control a person can reach.
inline constexpr std::string_view objectListName = "Предмети";
inline constexpr std::string_view objectListDescription = "Изберете предмета, с който детето е излязло от кръга";
inline constexpr std::string_view displayBoxName = "Отговор";
inline constexpr std::string_view displayBoxDescription = "Предметът и професията, която той предсказва";
inline constexpr std::string_view clearButtonDescription = "Отключва списъка за нов избор";
inline constexpr std::string_view professionListName = "Професии";
inline constexpr std::string_view quoteBoxName = "Цитат";

// How a failed control operation describes itself: %1 stands for the
// element (List1(0)), %2 the property (ListIndex), %3 the operation and %4
// the status code with its meaning.
inline constexpr std::string_view runtimeErrorText =
    "Грешка при изпълнение: %4.\n"
    "Елемент: %1\n"
    "Операция: %3 на свойството %2";
// The report shown when the program must end, around the error's
// description (%1); an error that is no failed control operation is
// introduced as unexpected.
inline constexpr std::string_view failureReportTitle = "Грешка при изпълнение";
inline constexpr std::string_view failureReportText = "%1\n\nПрограмата ще бъде затворена.";
inline constexpr std::string_view unexpectedFailureText = "Неочаквана грешка: %1";
inline constexpr std::string_view readOperationText = "четене";
inline constexpr std::string_view writeOperationText = "запис";
inline constexpr std::string_view unknownElementText = "няма такъв елемент";
inline constexpr std::string_view unsupportedPropertyText = "елементът няма такова свойство";
inline constexpr std::string_view rowOutOfRangeText = "редът е извън списъка";
inline constexpr std::string_view controlFailedText = "контролата не изпълни операцията";

} // namespace zolinar
