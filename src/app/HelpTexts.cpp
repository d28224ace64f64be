#include "app/HelpTexts.h"

#include <QCoreApplication>

#include "app/Addresses.h"

namespace {

// The context of these texts' translations.
struct HelpTexts {
  Q_DECLARE_TR_FUNCTIONS(HelpTexts)
};

// The page's text as ASCII bytes: a character beyond ASCII (a translation may write one
// instead of an entity) becomes a numeric entity, which means the same in windows-1252.
QByteArray Ascii(const QString& text) {
  QByteArray bytes;
  for (const char32_t c : text.toUcs4()) {
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else {
      bytes += "&#" + QByteArray::number(static_cast<uint>(c)) + ';';
    }
  }
  return bytes;
}

}  // namespace

QString ReadMeText() {
  const QString maker = QString::fromUtf8(kMakerName);
  const QString email = QString::fromUtf8(kMakerEmail);
  QStringList lines;
  //: %1 is the maker's name
  lines << HelpTexts::tr("Tarvel - conversor de unidades (versión 2.5) - 2002, %1").arg(maker)
        << QString(40, u'-') << QString()
        << HelpTexts::tr(
               "Tarvel es un programa gratuito (freeware): puede usarlo sin límite de tiempo y "
               "repartir copias libremente, siempre que no modifique ninguno de sus componentes "
               "ni cobre por ellas.")
        << QString()
        << HelpTexts::tr(
               "El programa no se instala, y puede ejecutarse directamente desde un disquete. Si "
               "ya no lo necesita sólo tiene que borrarlo.")
        << QString()
        << HelpTexts::tr(
               "Como \"software de cortesía\", personalizamos la pantalla principal (su logotipo, "
               "su dirección Web, su e-mail y sus textos publicitarios) y la barra de direcciones "
               "del módulo de divisas, por US $90, para que lo obsequie a sus clientes.")
        << QString()
        << HelpTexts::tr(
               "Si necesita otras unidades o funciones, consúltenos: como ejemplo, se incluye una "
               "tabla de redondos de acero para la construcción y el cálculo de mallas.")
        << QString()
        //: a heading and two tabs, then the maker's name
        << HelpTexts::tr("Autor:\t\t%1").arg(maker)
        //: a heading and two tabs, then the maker's e-mail address
        << HelpTexts::tr("e-mail:\t\t%1").arg(email) << QString() << QString() << QString();
  return lines.join(u'\n');
}

QByteArray CustomisationPage() {
  // Every character is ASCII: the accents are entities (the texts are HTML, and Ascii makes
  // one of any accent a translation writes as it is), so the bytes are windows-1252.
  const QByteArray email(kMakerEmail);
  const QByteArray mailLink = "<a href=\"mailto:" + email + "\">";
  const QByteArray page =
      "<!DOCTYPE html><html lang=\"" +
      //: the language of this translation, as an HTML language code (en, ca...)
      Ascii(HelpTexts::tr("es")) +
      "\"><head>"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
      "<title>" +
      Ascii(HelpTexts::tr("C&oacute;mo personalizar Tarvel")) +
      "</title>"
      "<style>body{font-family:Arial,sans-serif;font-size:10pt;color:navy;margin:16px 20px}"
      "h1{color:magenta;font-size:16pt}h2{font-family:'Comic Sans MS',cursive;font-size:13pt}"
      "td{padding:4px 10px;vertical-align:top}</style></head><body>"
      "<h1>" +
      Ascii(HelpTexts::tr("&#0161;Gracias por preguntar!")) + "</h1><h2>" +
      Ascii(HelpTexts::tr("C&oacute;mo personalizar Tarvel:")) + "</h2><p>" +
      Ascii(HelpTexts::tr("Esta es una versi&oacute;n gratuita (<i>freeware</i>) de Tarvel: "
                          "puede usarla y repartirla libremente.")) +
      "</p><p>" +
      Ascii(HelpTexts::tr("Le ofrecemos personalizarla: en la pantalla principal pondremos la "
                          "imagen, los enlaces a su sitio Web, su direcci&oacute;n de e-mail y "
                          "los textos publicitarios que usted elija.")) +
      "</p><p>" +
      Ascii(HelpTexts::tr("As&iacute; tendr&aacute; un medio publicitario permanente, "
                          "simp&aacute;tico y discreto, que sus clientes conservar&aacute;n y "
                          "usar&aacute;n a diario.")) +
      "</p><p>" +
      Ascii(HelpTexts::tr("Env&iacute;enos por e-mail la imagen, las direcciones y los textos, "
                          "con una descripci&oacute;n o un boceto del aspecto que desea. El "
                          "&uacute;nico l&iacute;mite es el tama&ntilde;o de la ventana, dentro "
                          "de 800 &times; 600 p&iacute;xeles.")) +
      "</p><p>" +
      Ascii(HelpTexts::tr("En unos dos d&iacute;as recibir&aacute; el programa personalizado, "
                          "con la licencia para repartir tantas copias como desee.")) +
      "</p><p>" +
      //: "Divisas" is the main menu's currency menu: write its name as the menu shows it
      Ascii(HelpTexts::tr("El servicio b&aacute;sico cuesta US$ 90, o su equivalente en euros "
                          "(puede calcularlo con el men&uacute; <b>Divisas</b> de este "
                          "programa).")) +
      "</p>"
      "<table border=\"1\" cellspacing=\"0\"><tr><th colspan=\"2\">" +
      Ascii(HelpTexts::tr("Formas de pago:")) + "</th></tr><tr><td>" +
      Ascii(HelpTexts::tr("Tarjetas de cr&eacute;dito")) + "</td><td><a href=\"" +
      QByteArray(kPaymentPage) + "\">" +
      //: a link to the page where one pays by card
      Ascii(HelpTexts::tr("Pago seguro en l&iacute;nea")) + "</a></td></tr><tr><td>" +
      //: a way of paying: by bank transfer
      Ascii(HelpTexts::tr("Transferencia")) + "</td><td>" + mailLink +
      //: a link that writes an e-mail to ask about paying by bank transfer
      Ascii(HelpTexts::tr("Consulte")) + "</a></td></tr></table><p>" +
      Ascii(HelpTexts::tr("Si necesita otras unidades o funciones, p&iacute;danos un nuevo "
                          "presupuesto.")) +
      "</p><p>" + QByteArray(kMakerName) + "<br>" + mailLink + email + "</a></p></body></html>";
  return page;
}

// The tray flag file only marks that the question about the tray is not to be asked again:
// nothing shows it, and its lines stay as they are in every language.
QStringList TrayFlagLines() {
  const QString dashes(53, u'-');
  return {QString(),
          QStringLiteral("Tarvel.exe - Programa Conversor de Unidades"),
          QString(),
          QStringLiteral("2002, ") + QString::fromUtf8(kMakerName),
          QString(),
          QStringLiteral("e-mail: ") + QString::fromUtf8(kMakerEmail),
          QStringLiteral("Web: ") + QString::fromUtf8(kProductPage),
          QString(),
          QStringLiteral("Programa \"De Cortesía\": Puede ser distribuido libremente,"),
          QStringLiteral("sin modificar ninguno de sus componentes."),
          QString(),
          QStringLiteral("Si desea su copia personalizada, no dude en comunicarse con"),
          QStringLiteral("nosotros."),
          QString(),
          QString(),
          QString(),
          dashes,
          QStringLiteral("Msg0=#Minimizar al TrayIcon#"),
          QString(),
          QString(),
          dashes};
}
