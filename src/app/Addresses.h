#pragma once
// The maker's details and the web addresses that the program opens, in one place. The texts
// are marked for translation in the context of the window that shows them.

#include <QtGlobal>

// The product's web page: the main window's link, the about box and the currency window.
inline constexpr const char* kProductPage = "https://www.example.org/tarvel/";
// A page that converts currencies online, in Spanish.
inline constexpr const char* kCurrencyPage = "https://www.xe.com/es/currencyconverter/";
// The online checkout named in the customisation page.
inline constexpr const char* kPaymentPage = "https://www.example.org/tarvel/pago/";

inline constexpr const char* kMakerName = "Tarvel Software";
inline constexpr const char* kMakerEmail = "tarvel@example.org";
inline constexpr const char* kRightsYears = "© 2002";
// The welcome screen's sample hints: what a customised copy would link to.
//: a made-up web address: the customer's company's site
inline constexpr const char* kSampleWebHint =
    QT_TRANSLATE_NOOP("TFormPrincipal", "www.su-empresa.com");
//: a made-up e-mail address: the customer's company's sales department
inline constexpr const char* kSampleEmailHint =
    QT_TRANSLATE_NOOP("TFormPrincipal", "ventas@su-empresa.com");
// The about box's credit for the old Andalusian measures, and where and when they were put
// together.
inline constexpr const char* kAndalusianCredit = QT_TRANSLATE_NOOP(
    "TForm2", "Medidas antiguas de Andalucía: equivalencias según las publica su fuente.");
inline constexpr const char* kAndalusianCreditPlace =
    QT_TRANSLATE_NOOP("TForm2", "Sevilla, noviembre de 2002");
