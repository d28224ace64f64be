#include "app/HelpTexts.h"

#include "app/Addresses.h"

QString ReadMeText() {
  const QString maker = QString::fromUtf8(kMakerName);
  const QString email = QString::fromUtf8(kMakerEmail);
  QStringList lines;
  lines << QStringLiteral("Tarvel - conversor de unidades (versión 2.5) - 2002, ") + maker
        << QString(40, u'-') << QString()
        << QStringLiteral(
               "Tarvel es un programa gratuito (freeware): puede usarlo sin límite de tiempo y "
               "repartir copias libremente, siempre que no modifique ninguno de sus componentes "
               "ni cobre por ellas.")
        << QString()
        << QStringLiteral(
               "El programa no se instala, y puede ejecutarse directamente desde un disquete. Si "
               "ya no lo necesita sólo tiene que borrarlo.")
        << QString()
        << QStringLiteral(
               "Como \"software de cortesía\", personalizamos la pantalla principal (su logotipo, "
               "su dirección Web, su e-mail y sus textos publicitarios) y la barra de direcciones "
               "del módulo de divisas, por US $90, para que lo obsequie a sus clientes.")
        << QString()
        << QStringLiteral(
               "Si necesita otras unidades o funciones, consúltenos: como ejemplo, se incluye una "
               "tabla de redondos de acero para la construcción y el cálculo de mallas.")
        << QString() << QStringLiteral("Autor:\t\t") + maker
        << QStringLiteral("e-mail:\t\t") + email << QString() << QString() << QString();
  return lines.join(u'\n');
}

QByteArray CustomisationPage() {
  // Every character is ASCII: the accents are entities, so the bytes are windows-1252.
  const QByteArray email(kMakerEmail);
  const QByteArray page =
      "<!DOCTYPE html><html lang=\"es\"><head>"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
      "<title>C&oacute;mo personalizar Tarvel</title>"
      "<style>body{font-family:Arial,sans-serif;font-size:10pt;color:navy;margin:16px 20px}"
      "h1{color:magenta;font-size:16pt}h2{font-family:'Comic Sans MS',cursive;font-size:13pt}"
      "td{padding:4px 10px;vertical-align:top}</style></head><body>"
      "<h1>&#0161;Gracias por preguntar!</h1>"
      "<h2>C&oacute;mo personalizar Tarvel:</h2>"
      "<p>Esta es una versi&oacute;n gratuita (<i>freeware</i>) de Tarvel: puede usarla y "
      "repartirla libremente.</p>"
      "<p>Le ofrecemos personalizarla: en la pantalla principal pondremos la imagen, los "
      "enlaces a su sitio Web, su direcci&oacute;n de e-mail y los textos publicitarios que "
      "usted elija.</p>"
      "<p>As&iacute; tendr&aacute; un medio publicitario permanente, simp&aacute;tico y "
      "discreto, que sus clientes conservar&aacute;n y usar&aacute;n a diario.</p>"
      "<p>Env&iacute;enos por e-mail la imagen, las direcciones y los textos, con una "
      "descripci&oacute;n o un boceto del aspecto que desea. El &uacute;nico l&iacute;mite es "
      "el tama&ntilde;o de la ventana, dentro de 800 &times; 600 p&iacute;xeles.</p>"
      "<p>En unos dos d&iacute;as recibir&aacute; el programa personalizado, con la licencia "
      "para repartir tantas copias como desee.</p>"
      "<p>El servicio b&aacute;sico cuesta US$ 90, o su equivalente en euros (puede "
      "calcularlo con el men&uacute; <b>Divisas</b> de este programa).</p>"
      "<table border=\"1\" cellspacing=\"0\"><tr><th colspan=\"2\">Formas de pago:</th></tr>"
      "<tr><td>Tarjetas de cr&eacute;dito</td><td><a href=\"" +
      QByteArray(kPaymentPage) +
      "\">Pago seguro en l&iacute;nea</a></td></tr>"
      "<tr><td>Transferencia</td><td><a href=\"mailto:" +
      email +
      "\">Consulte</a></td></tr></table>"
      "<p>Si necesita otras unidades o funciones, p&iacute;danos un nuevo presupuesto.</p>"
      "<p>" +
      QByteArray(kMakerName) + "<br><a href=\"mailto:" + email + "\">" + email +
      "</a></p></body></html>";
  return page;
}

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
