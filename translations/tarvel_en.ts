<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>BankFile</name>
    <message>
        <source>«%1»</source>
        <extracomment>a piece of the file, quoted</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>no es el archivo de tipos del BCE</source>
        <translation>not the ECB&apos;s file of rates</translation>
    </message>
    <message>
        <source>el %1: %2</source>
        <extracomment>%1 a day of the file (&quot;3 de enero de 2000&quot;), %2 what is wrong with it</extracomment>
        <translation>on %1: %2</translation>
    </message>
    <message>
        <source>fecha futura: %1</source>
        <translation>future date: %1</translation>
    </message>
    <message>
        <source>solo trae %1 divisas</source>
        <translation>only %1 currencies</translation>
    </message>
    <message>
        <source>día repetido</source>
        <translation>day repeated</translation>
    </message>
    <message>
        <source>días fuera de orden</source>
        <translation>days out of order</translation>
    </message>
    <message>
        <source>trae más de un día</source>
        <translation>more than one day</translation>
    </message>
    <message>
        <source>trae más de %1 días</source>
        <translation>more than %1 days</translation>
    </message>
    <message>
        <source>fecha no válida: %1</source>
        <translation>invalid date: %1</translation>
    </message>
    <message>
        <source>código de divisa no válido: %1</source>
        <translation>invalid currency code: %1</translation>
    </message>
    <message>
        <source>tipo no válido para %1: %2</source>
        <translation>invalid rate for %1: %2</translation>
    </message>
    <message>
        <source>tipo fuera de lo posible para %1: %2</source>
        <translation>impossible rate for %1: %2</translation>
    </message>
    <message>
        <source>divisa repetida: %1</source>
        <translation>currency repeated: %1</translation>
    </message>
    <message>
        <source>trae más de %1 divisas</source>
        <translation>more than %1 currencies</translation>
    </message>
    <message>
        <source>XML mal formado (línea %1)</source>
        <translation>malformed XML (line %1)</translation>
    </message>
    <message>
        <source>el archivo no trae fecha</source>
        <translation>the file has no date</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>de enero</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>January</translation>
    </message>
    <message>
        <source>de febrero</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>February</translation>
    </message>
    <message>
        <source>de marzo</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>March</translation>
    </message>
    <message>
        <source>de abril</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>April</translation>
    </message>
    <message>
        <source>de mayo</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>May</translation>
    </message>
    <message>
        <source>de junio</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>June</translation>
    </message>
    <message>
        <source>de julio</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>July</translation>
    </message>
    <message>
        <source>de agosto</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>August</translation>
    </message>
    <message>
        <source>de septiembre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>September</translation>
    </message>
    <message>
        <source>de octubre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>October</translation>
    </message>
    <message>
        <source>de noviembre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>November</translation>
    </message>
    <message>
        <source>de diciembre</source>
        <comment>a month after the day&apos;s number (4 de enero)</comment>
        <translation>December</translation>
    </message>
    <message>
        <source>lunes</source>
        <comment>a day of the week before its date</comment>
        <translation>Monday</translation>
    </message>
    <message>
        <source>martes</source>
        <comment>a day of the week before its date</comment>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>miércoles</source>
        <comment>a day of the week before its date</comment>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>jueves</source>
        <comment>a day of the week before its date</comment>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>viernes</source>
        <comment>a day of the week before its date</comment>
        <translation>Friday</translation>
    </message>
    <message>
        <source>sábado</source>
        <comment>a day of the week before its date</comment>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>domingo</source>
        <comment>a day of the week before its date</comment>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>1</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 1st</translation>
    </message>
    <message>
        <source>2</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 2nd</translation>
    </message>
    <message>
        <source>3</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 3rd</translation>
    </message>
    <message>
        <source>4</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 4th</translation>
    </message>
    <message>
        <source>5</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 5th</translation>
    </message>
    <message>
        <source>6</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 6th</translation>
    </message>
    <message>
        <source>7</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 7th</translation>
    </message>
    <message>
        <source>8</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 8th</translation>
    </message>
    <message>
        <source>9</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 9th</translation>
    </message>
    <message>
        <source>10</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 10th</translation>
    </message>
    <message>
        <source>11</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 11th</translation>
    </message>
    <message>
        <source>12</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 12th</translation>
    </message>
    <message>
        <source>13</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 13th</translation>
    </message>
    <message>
        <source>14</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 14th</translation>
    </message>
    <message>
        <source>15</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 15th</translation>
    </message>
    <message>
        <source>16</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 16th</translation>
    </message>
    <message>
        <source>17</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 17th</translation>
    </message>
    <message>
        <source>18</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 18th</translation>
    </message>
    <message>
        <source>19</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 19th</translation>
    </message>
    <message>
        <source>20</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 20th</translation>
    </message>
    <message>
        <source>21</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 21st</translation>
    </message>
    <message>
        <source>22</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 22nd</translation>
    </message>
    <message>
        <source>23</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 23rd</translation>
    </message>
    <message>
        <source>24</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 24th</translation>
    </message>
    <message>
        <source>25</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 25th</translation>
    </message>
    <message>
        <source>26</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 26th</translation>
    </message>
    <message>
        <source>27</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 27th</translation>
    </message>
    <message>
        <source>28</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 28th</translation>
    </message>
    <message>
        <source>29</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 29th</translation>
    </message>
    <message>
        <source>30</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 30th</translation>
    </message>
    <message>
        <source>31</source>
        <comment>a day alone, after a date of its month (el 31)</comment>
        <translation>the 31st</translation>
    </message>
    <message>
        <source>%1 %2 de %3</source>
        <comment>a date: 4 de diciembre de 2026</comment>
        <extracomment>%1 the day&apos;s number, %2 the month as written after it (&quot;de diciembre&quot;), %3 the year</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a date with its weekday: viernes 30 de diciembre de 2022</comment>
        <extracomment>%1 the day of the week, %2 the date (&quot;30 de diciembre de 2022&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day and its month: 1 de enero</comment>
        <extracomment>%1 the day&apos;s number, %2 the month as written after it (&quot;de enero&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>euro</source>
        <translation>euro</translation>
    </message>
    <message>
        <source>dólar australiano</source>
        <translation>Australian dollar</translation>
    </message>
    <message>
        <source>real brasileño</source>
        <translation>Brazilian real</translation>
    </message>
    <message>
        <source>dólar canadiense</source>
        <translation>Canadian dollar</translation>
    </message>
    <message>
        <source>franco suizo</source>
        <translation>Swiss franc</translation>
    </message>
    <message>
        <source>yuan chino</source>
        <translation>Chinese yuan</translation>
    </message>
    <message>
        <source>renminbi|yuan</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>renminbi|yuan</translation>
    </message>
    <message>
        <source>corona checa</source>
        <translation>Czech koruna</translation>
    </message>
    <message>
        <source>corona danesa</source>
        <translation>Danish krone</translation>
    </message>
    <message>
        <source>libra esterlina</source>
        <translation>pound sterling</translation>
    </message>
    <message>
        <source>£|esterlina</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>£|sterling</translation>
    </message>
    <message>
        <source>dólar de Hong Kong</source>
        <translation>Hong Kong dollar</translation>
    </message>
    <message>
        <source>forinto húngaro</source>
        <translation>Hungarian forint</translation>
    </message>
    <message>
        <source>forint|Ft</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>forint|Ft</translation>
    </message>
    <message>
        <source>rupia indonesia</source>
        <translation>Indonesian rupiah</translation>
    </message>
    <message>
        <source>nuevo séquel israelí</source>
        <translation>Israeli new shekel</translation>
    </message>
    <message>
        <source>séquel|shekel|₪</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>shekel|sheqel|₪</translation>
    </message>
    <message>
        <source>rupia india</source>
        <translation>Indian rupee</translation>
    </message>
    <message>
        <source>corona islandesa</source>
        <translation>Icelandic króna</translation>
    </message>
    <message>
        <source>yen japonés</source>
        <translation>Japanese yen</translation>
    </message>
    <message>
        <source>¥|yen</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>¥|yen</translation>
    </message>
    <message>
        <source>won surcoreano</source>
        <translation>South Korean won</translation>
    </message>
    <message>
        <source>₩|won</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>₩|won</translation>
    </message>
    <message>
        <source>peso mexicano</source>
        <translation>Mexican peso</translation>
    </message>
    <message>
        <source>ringit malasio</source>
        <translation>Malaysian ringgit</translation>
    </message>
    <message>
        <source>ringgit|RM</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>ringgit|RM</translation>
    </message>
    <message>
        <source>corona noruega</source>
        <translation>Norwegian krone</translation>
    </message>
    <message>
        <source>dólar neozelandés</source>
        <translation>New Zealand dollar</translation>
    </message>
    <message>
        <source>peso filipino</source>
        <translation>Philippine peso</translation>
    </message>
    <message>
        <source>esloti polaco</source>
        <translation>Polish złoty</translation>
    </message>
    <message>
        <source>zloty|złoty|zł</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>zloty|złoty|zł</translation>
    </message>
    <message>
        <source>leu rumano</source>
        <translation>Romanian leu</translation>
    </message>
    <message>
        <source>corona sueca</source>
        <translation>Swedish krona</translation>
    </message>
    <message>
        <source>dólar singapurense</source>
        <translation>Singapore dollar</translation>
    </message>
    <message>
        <source>bat tailandés</source>
        <translation>Thai baht</translation>
    </message>
    <message>
        <source>baht|฿</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>baht|฿</translation>
    </message>
    <message>
        <source>lira turca</source>
        <translation>Turkish lira</translation>
    </message>
    <message>
        <source>dólar estadounidense</source>
        <translation>US dollar</translation>
    </message>
    <message>
        <source>$|US$|dólar</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>$|US$|dollar</translation>
    </message>
    <message>
        <source>rand sudafricano</source>
        <translation>South African rand</translation>
    </message>
    <message>
        <source>lev búlgaro</source>
        <translation>Bulgarian lev</translation>
    </message>
    <message>
        <source>lev</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>lev</translation>
    </message>
    <message>
        <source>libra chipriota</source>
        <translation>Cypriot pound</translation>
    </message>
    <message>
        <source>corona estonia</source>
        <translation>Estonian kroon</translation>
    </message>
    <message>
        <source>kuna croata</source>
        <translation>Croatian kuna</translation>
    </message>
    <message>
        <source>kuna</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>kuna</translation>
    </message>
    <message>
        <source>litas lituana</source>
        <translation>Lithuanian litas</translation>
    </message>
    <message>
        <source>litas</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>litas</translation>
    </message>
    <message>
        <source>lats letón</source>
        <translation>Latvian lats</translation>
    </message>
    <message>
        <source>lats</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>lats</translation>
    </message>
    <message>
        <source>lira maltesa</source>
        <translation>Maltese lira</translation>
    </message>
    <message>
        <source>leu rumano antiguo</source>
        <translation>old Romanian leu</translation>
    </message>
    <message>
        <source>rublo ruso</source>
        <translation>Russian rouble</translation>
    </message>
    <message>
        <source>rublo|₽</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>rouble|ruble|₽</translation>
    </message>
    <message>
        <source>tólar esloveno</source>
        <translation>Slovenian tolar</translation>
    </message>
    <message>
        <source>tólar</source>
        <extracomment>other names and signs a search takes for it, separated by |</extracomment>
        <translation>tolar</translation>
    </message>
    <message>
        <source>corona eslovaca</source>
        <translation>Slovak koruna</translation>
    </message>
    <message>
        <source>lira turca antigua</source>
        <translation>old Turkish lira</translation>
    </message>
</context>
<context>
    <name>FractionParts</name>
    <message>
        <source>Ant</source>
        <extracomment>a button: the previous measure (short for &quot;anterior&quot;)</extracomment>
        <translation>Prev</translation>
    </message>
    <message>
        <source>Sig</source>
        <extracomment>a button: the next measure (short for &quot;siguiente&quot;)</extracomment>
        <translation>Next</translation>
    </message>
    <message>
        <source>Medida anterior</source>
        <translation>Previous measure</translation>
    </message>
    <message>
        <source>Medida siguiente</source>
        <translation>Next measure</translation>
    </message>
    <message>
        <source>Numerador de la fracción de pulgada</source>
        <translation>Numerator of the inch fraction</translation>
    </message>
    <message>
        <source>Denominador de la fracción de pulgada</source>
        <translation>Denominator of the inch fraction</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Tarvel - conversor de unidades (versión 2.5) - 2002, %1</source>
        <extracomment>%1 is the maker&apos;s name</extracomment>
        <translation>Tarvel - unit converter (version 2.5) - 2002, %1</translation>
    </message>
    <message>
        <source>Tarvel es un programa gratuito (freeware): puede usarlo sin límite de tiempo y repartir copias libremente, siempre que no modifique ninguno de sus componentes ni cobre por ellas.</source>
        <translation>Tarvel is a free program (freeware): you may use it with no time limit and hand out copies freely, as long as you do not modify any of its components or charge for them.</translation>
    </message>
    <message>
        <source>El programa no se instala, y puede ejecutarse directamente desde un disquete. Si ya no lo necesita sólo tiene que borrarlo.</source>
        <translation>The program needs no installation and can run straight from a floppy disk. If you no longer need it, just delete it.</translation>
    </message>
    <message>
        <source>Como &quot;software de cortesía&quot;, personalizamos la pantalla principal (su logotipo, su dirección Web, su e-mail y sus textos publicitarios) y la barra de direcciones del módulo de divisas, por US $90, para que lo obsequie a sus clientes.</source>
        <translation>As &quot;courtesy software&quot;, we customise the main screen (your logo, your web address, your e-mail and your advertising texts) and the address bar of the currency module, for US $90, so that you can give it to your customers.</translation>
    </message>
    <message>
        <source>Si necesita otras unidades o funciones, consúltenos: como ejemplo, se incluye una tabla de redondos de acero para la construcción y el cálculo de mallas.</source>
        <translation>If you need other units or functions, ask us: as an example, a table of round steel bars for construction and a mesh calculator are included.</translation>
    </message>
    <message>
        <source>Autor:		%1</source>
        <extracomment>a heading and two tabs, then the maker&apos;s name</extracomment>
        <translation>Author:		%1</translation>
    </message>
    <message>
        <source>e-mail:		%1</source>
        <extracomment>a heading and two tabs, then the maker&apos;s e-mail address</extracomment>
        <translation>e-mail:		%1</translation>
    </message>
    <message>
        <source>es</source>
        <extracomment>the language of this translation, as an HTML language code (en, ca...)</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>C&amp;oacute;mo personalizar Tarvel</source>
        <translation>How to customise Tarvel</translation>
    </message>
    <message>
        <source>&amp;#0161;Gracias por preguntar!</source>
        <translation>Thank you for asking!</translation>
    </message>
    <message>
        <source>C&amp;oacute;mo personalizar Tarvel:</source>
        <translation>How to customise Tarvel:</translation>
    </message>
    <message>
        <source>Esta es una versi&amp;oacute;n gratuita (&lt;i&gt;freeware&lt;/i&gt;) de Tarvel: puede usarla y repartirla libremente.</source>
        <translation>This is a free version (&lt;i&gt;freeware&lt;/i&gt;) of Tarvel: you may use it and hand it out freely.</translation>
    </message>
    <message>
        <source>Le ofrecemos personalizarla: en la pantalla principal pondremos la imagen, los enlaces a su sitio Web, su direcci&amp;oacute;n de e-mail y los textos publicitarios que usted elija.</source>
        <translation>We offer to customise it for you: on the main screen we will put the picture, the links to your website, your e-mail address and the advertising texts of your choice.</translation>
    </message>
    <message>
        <source>As&amp;iacute; tendr&amp;aacute; un medio publicitario permanente, simp&amp;aacute;tico y discreto, que sus clientes conservar&amp;aacute;n y usar&amp;aacute;n a diario.</source>
        <translation>You will thus have a permanent, friendly and discreet advertising medium, which your customers will keep and use every day.</translation>
    </message>
    <message>
        <source>Env&amp;iacute;enos por e-mail la imagen, las direcciones y los textos, con una descripci&amp;oacute;n o un boceto del aspecto que desea. El &amp;uacute;nico l&amp;iacute;mite es el tama&amp;ntilde;o de la ventana, dentro de 800 &amp;times; 600 p&amp;iacute;xeles.</source>
        <translation>E-mail us the picture, the addresses and the texts, with a description or a sketch of the look you want. The only limit is the size of the window, within 800 &amp;times; 600 pixels.</translation>
    </message>
    <message>
        <source>En unos dos d&amp;iacute;as recibir&amp;aacute; el programa personalizado, con la licencia para repartir tantas copias como desee.</source>
        <translation>In about two days you will receive the customised program, with the licence to hand out as many copies as you wish.</translation>
    </message>
    <message>
        <source>El servicio b&amp;aacute;sico cuesta US$ 90, o su equivalente en euros (puede calcularlo con el men&amp;uacute; &lt;b&gt;Divisas&lt;/b&gt; de este programa).</source>
        <extracomment>&quot;Divisas&quot; is the main menu&apos;s currency menu: write its name as the menu shows it</extracomment>
        <translation>The basic service costs US$ 90, or its equivalent in euros (you can work it out with this program&apos;s &lt;b&gt;Currencies&lt;/b&gt; menu).</translation>
    </message>
    <message>
        <source>Formas de pago:</source>
        <translation>Payment methods:</translation>
    </message>
    <message>
        <source>Tarjetas de cr&amp;eacute;dito</source>
        <translation>Credit cards</translation>
    </message>
    <message>
        <source>Pago seguro en l&amp;iacute;nea</source>
        <extracomment>a link to the page where one pays by card</extracomment>
        <translation>Secure online payment</translation>
    </message>
    <message>
        <source>Transferencia</source>
        <extracomment>a way of paying: by bank transfer</extracomment>
        <translation>Bank transfer</translation>
    </message>
    <message>
        <source>Consulte</source>
        <extracomment>a link that writes an e-mail to ask about paying by bank transfer</extracomment>
        <translation>Ask us</translation>
    </message>
    <message>
        <source>Si necesita otras unidades o funciones, p&amp;iacute;danos un nuevo presupuesto.</source>
        <translation>If you need other units or functions, ask us for a new quote.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>días antes del 4 de enero de 1999</source>
        <translation>days before 4 January 1999</translation>
    </message>
    <message>
        <source>histórico rechazado: %1</source>
        <translation>history refused: %1</translation>
    </message>
    <message>
        <source>no se pudo guardar el histórico: %1</source>
        <translation>the history could not be saved: %1</translation>
    </message>
    <message>
        <source>el histórico guardado estaba dañado (%1)</source>
        <translation>the saved history was damaged (%1)</translation>
    </message>
</context>
<context>
    <name>Kit</name>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>%1 no es un número válido.</source>
        <translation>%1 is not a valid number.</translation>
    </message>
    <message>
        <source>mmh</source>
        <extracomment>the caption of a box: a puzzled murmur</extracomment>
        <translation>hmm</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un número válido.</source>
        <translation>&quot;%1&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>Oh oh!</source>
        <extracomment>the caption of a box: a playful alarm</extracomment>
        <translation>Uh-oh!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Es un número demasiado grande para poner aquí.
Prueba con uno menor.
Graciasss.</source>
        <extracomment>a playful message, in three lines; %1 the number typed</extracomment>
        <translation>&quot;%1&quot; Is too big a number to put here.
Try a smaller one.
Thanksss.</translation>
    </message>
    <message>
        <source>Número muy grande.</source>
        <translation>Number too large.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>No se pudo guardar el idioma elegido: %1</source>
        <translation>The chosen language could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>OwnCurrencies</name>
    <message>
        <source>una divisa no se lee</source>
        <translation>a currency cannot be read</translation>
    </message>
    <message>
        <source>un código de divisa no vale</source>
        <translation>a currency code is not valid</translation>
    </message>
    <message>
        <source>%1 está dos veces</source>
        <translation>%1 is there twice</translation>
    </message>
    <message>
        <source>el nombre de %1 está vacío o pasa de %2 letras</source>
        <translation>the name of %1 is empty or longer than %2 letters</translation>
    </message>
    <message>
        <source>el tipo de %1 no está entre 1E-6 y 1E12</source>
        <translation>the rate of %1 is not between 1E-6 and 1E12</translation>
    </message>
    <message>
        <source>la fecha de %1 no vale</source>
        <translation>the date of %1 is not valid</translation>
    </message>
    <message>
        <source>no es JSON</source>
        <translation>not JSON</translation>
    </message>
    <message>
        <source>sin lista de divisas</source>
        <translation>no list of currencies</translation>
    </message>
    <message>
        <source>tiene %1 divisas, más de %2</source>
        <translation>it has %1 currencies, more than %2</translation>
    </message>
    <message>
        <source>el archivo de sus divisas estaba dañado (%1) y se ha apartado como %2</source>
        <extracomment>%1 what is wrong with it; %2 the name it was renamed to</extracomment>
        <translation>the file of your currencies was damaged (%1) and has been set aside as %2</translation>
    </message>
    <message>
        <source>el archivo de sus divisas está dañado (%1) y no se pudo apartar</source>
        <translation>the file of your currencies is damaged (%1) and could not be set aside</translation>
    </message>
    <message>
        <source>no se puede leer el archivo de sus divisas: %1</source>
        <translation>the file of your currencies cannot be read: %1</translation>
    </message>
    <message>
        <source>no se pudieron guardar sus divisas: %1</source>
        <translation>your currencies could not be saved: %1</translation>
    </message>
    <message>
        <source>no se pudieron guardar sus divisas: otro Tarvel está guardando las suyas</source>
        <translation>your currencies could not be saved: another Tarvel is saving its own</translation>
    </message>
    <message>
        <source>ya tiene %1 divisas propias, las que caben</source>
        <translation>you already have %1 currencies of your own, as many as there is room for</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>vacía</source>
        <extracomment>how a screen reader names an empty cell of a table (&quot;celda vacía&quot;)</extracomment>
        <translation>empty</translation>
    </message>
    <message>
        <source>Copiar todas las unidades</source>
        <translation>Copy all units</translation>
    </message>
    <message>
        <source>sin conexión</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>a size in megabytes</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>a size in kilobytes</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>se ha llenado su cuota de disco</source>
        <translation>your disk quota is full</translation>
    </message>
    <message>
        <source>el archivo pasa del tamaño que el sistema permite</source>
        <translation>the file is larger than the system allows</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en la carpeta</source>
        <translation>no permission to write in the folder</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>error reading or writing the disk</translation>
    </message>
    <message>
        <source>una carpeta del camino es un archivo</source>
        <extracomment>a file could not be written: one of the folders on its path is a file</extracomment>
        <translation>a folder on the path is a file</translation>
    </message>
    <message>
        <source>el nombre del archivo es demasiado largo</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>en su lugar hay una carpeta</source>
        <extracomment>a file could not be written: a folder stands where the file should be</extracomment>
        <translation>a folder stands in its place</translation>
    </message>
    <message>
        <source>error del sistema %1 (%2)</source>
        <extracomment>%1 the error&apos;s number, %2 the system&apos;s own description of it</extracomment>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>pasa de %1</source>
        <extracomment>a kept file is too large; %1 its limit (&quot;1 MB&quot;)</extracomment>
        <translation>larger than %1</translation>
    </message>
    <message>
        <source>el proxy rechazó la conexión</source>
        <translation>the proxy refused the connection</translation>
    </message>
    <message>
        <source>el proxy pide usuario y contraseña</source>
        <translation>the proxy asks for a user name and password</translation>
    </message>
    <message>
        <source>el proxy cerró la conexión</source>
        <translation>the proxy closed the connection</translation>
    </message>
    <message>
        <source>no se encuentra el proxy</source>
        <translation>the proxy cannot be found</translation>
    </message>
    <message>
        <source>el proxy no respondió</source>
        <translation>the proxy did not answer</translation>
    </message>
    <message>
        <source>el servidor no respondió en 1 segundo</source>
        <translation>the server did not answer within 1 second</translation>
    </message>
    <message>
        <source>el servidor no respondió en %1 segundos</source>
        <translation>the server did not answer within %1 seconds</translation>
    </message>
    <message>
        <source>la respuesta pasa de %1</source>
        <translation>the answer is larger than %1</translation>
    </message>
    <message>
        <source>redirigida a otro servidor (%1)</source>
        <extracomment>a download was redirected; %1 the other server&apos;s name</extracomment>
        <translation>redirected to another server (%1)</translation>
    </message>
    <message>
        <source>demasiadas redirecciones</source>
        <translation>too many redirections</translation>
    </message>
    <message>
        <source>el servidor respondió %1</source>
        <extracomment>%1 the HTTP status (&quot;404&quot;)</extracomment>
        <translation>the server answered %1</translation>
    </message>
    <message>
        <source>la conexión segura no es válida</source>
        <translation>the secure connection is not valid</translation>
    </message>
    <message>
        <source>la respuesta comprimida pasa de %1 o está dañada</source>
        <translation>the compressed answer is larger than %1 or damaged</translation>
    </message>
    <message>
        <source>el servidor no habla HTTP</source>
        <translation>the server does not speak HTTP</translation>
    </message>
    <message>
        <source>falta el módulo de red</source>
        <translation>the network module is missing</translation>
    </message>
    <message>
        <source>dirección de descarga no válida</source>
        <translation>invalid download address</translation>
    </message>
    <message>
        <source>solo se descarga por https</source>
        <translation>downloads over https only</translation>
    </message>
</context>
<context>
    <name>Rates</name>
    <message>
        <source>los tipos guardados estaban dañados (%1)</source>
        <translation>the saved rates were damaged (%1)</translation>
    </message>
    <message>
        <source>no se pudieron guardar: %1</source>
        <extracomment>the rates just downloaded could not be kept; %1 why</extracomment>
        <translation>they could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Tarvel - conversor de unidades</source>
        <extracomment>the program&apos;s name and what it is: the caption of its message boxes</extracomment>
        <translation>Tarvel - unit converter</translation>
    </message>
</context>
<context>
    <name>TFIlum</name>
    <message>
        <source>lumen/m²</source>
        <translation>lumen/m²</translation>
    </message>
    <message>
        <source>bujía-m</source>
        <extracomment>metre-candle (= lux)</extracomment>
        <translation>metre-candle</translation>
    </message>
    <message>
        <source>lux</source>
        <translation>lux</translation>
    </message>
    <message>
        <source>lumen/cm²</source>
        <translation>lumen/cm²</translation>
    </message>
    <message>
        <source>bujía-cm</source>
        <extracomment>centimetre-candle (= phot)</extracomment>
        <translation>cm-candle</translation>
    </message>
    <message>
        <source>fotio</source>
        <extracomment>the phot</extracomment>
        <translation>phot</translation>
    </message>
    <message>
        <source>lumen/pie²</source>
        <extracomment>lumen per square foot</extracomment>
        <translation>lumen/ft²</translation>
    </message>
    <message>
        <source>bujía-pie</source>
        <extracomment>foot-candle</extracomment>
        <translation>foot-candle</translation>
    </message>
    <message>
        <source>flama</source>
        <extracomment>the flame, a quarter of a foot-candle</extracomment>
        <translation>flame</translation>
    </message>
    <message>
        <source>nox</source>
        <extracomment>the nox, a thousandth of a lux</extracomment>
        <translation>nox</translation>
    </message>
    <message>
        <source> Tarvel - Iluminación</source>
        <extracomment>the window&apos;s title (leading blank kept); Tarvel is the program&apos;s name</extracomment>
        <translation> Tarvel - Illumination</translation>
    </message>
</context>
<context>
    <name>TFZapatos</name>
    <message>
        <source>Sistema Métrico Europeo</source>
        <translation>European Metric System</translation>
    </message>
    <message>
        <source>De Mujeres</source>
        <translation>Women&apos;s</translation>
    </message>
    <message>
        <source>De Hombres</source>
        <translation>Men&apos;s</translation>
    </message>
    <message>
        <source>Aprox. en centímetros</source>
        <translation>Approx. in centimetres</translation>
    </message>
    <message>
        <source>Medida de zapatos</source>
        <translation>Shoe sizes</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>a range of European shoe sizes, as in &quot;36 a 43&quot;</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>¿Hasta dónde quieres llegar hoy?</source>
        <translation>How far do you want to go today?</translation>
    </message>
    <message>
        <source> Pulgadas &lt;--&gt; milímetros</source>
        <translation> Inches &lt;--&gt; millimetres</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Precisión actual: 1/%1</source>
        <translation>Current precision: 1/%1</translation>
    </message>
    <message>
        <source>Ajustar a:</source>
        <translation>Round to:</translation>
    </message>
    <message>
        <source>decimales</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>Pulgadas</source>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Parte entera</source>
        <translation>Whole part</translation>
    </message>
    <message>
        <source>Fracción</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>&quot; a mm</source>
        <extracomment>a button: from inches (&quot;) to millimetres</extracomment>
        <translation>&quot; to mm</translation>
    </message>
    <message>
        <source>Convertir a mm</source>
        <translation>Convert to mm</translation>
    </message>
    <message>
        <source>mm a &quot;</source>
        <extracomment>a button: from millimetres to inches (&quot;)</extracomment>
        <translation>mm to &quot;</translation>
    </message>
    <message>
        <source>Convertir a pulgadas</source>
        <translation>Convert to inches</translation>
    </message>
    <message>
        <source>Milímetros</source>
        <translation>Millimetres</translation>
    </message>
    <message>
        <source>1 pulgada [inch, (&quot;), in] =</source>
        <translation>1 inch [(&quot;), in] =</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un núnero válido.</source>
        <translation>&quot;%1&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>Precisión actual: decimal.</source>
        <translation>Current precision: decimal.</translation>
    </message>
    <message>
        <source>Precisión actual: 1/2 </source>
        <translation>Current precision: 1/2 </translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Medidas antiguas de Andalucía: equivalencias según las publica su fuente.</source>
        <translation>Old Andalusian measures: equivalences as their source publishes them.</translation>
    </message>
    <message>
        <source>Sevilla, noviembre de 2002</source>
        <translation>Seville, November 2002</translation>
    </message>
    <message>
        <source>Acerca de Tarvel - conversor de unidades</source>
        <translation>About Tarvel - unit converter</translation>
    </message>
    <message>
        <source>Tarvel - conversor de unidades</source>
        <translation>Tarvel - unit converter</translation>
    </message>
    <message>
        <source>Versión 2.5</source>
        <translation>Version 2.5</translation>
    </message>
    <message>
        <source>Página del programa</source>
        <translation>The program&apos;s web page</translation>
    </message>
    <message>
        <source>Para consultas o comentarios:</source>
        <translation>For questions or comments:</translation>
    </message>
    <message>
        <source>Versión de cortesía, personalizada para...</source>
        <translation>Courtesy edition, customised for...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Unidades de longitud</source>
        <translation>Length units</translation>
    </message>
    <message>
        <source>miriámetro [Ma]</source>
        <translation>myriametre [mym]</translation>
    </message>
    <message>
        <source>kilómetro [km]</source>
        <translation>kilometre [km]</translation>
    </message>
    <message>
        <source>hectómetro [hm]</source>
        <translation>hectometre [hm]</translation>
    </message>
    <message>
        <source>decámetro [dam]</source>
        <translation>decametre [dam]</translation>
    </message>
    <message>
        <source>metro [m]</source>
        <translation>metre [m]</translation>
    </message>
    <message>
        <source>decímetro [dm]</source>
        <translation>decimetre [dm]</translation>
    </message>
    <message>
        <source>centímetro [cm]</source>
        <translation>centimetre [cm]</translation>
    </message>
    <message>
        <source>milímetro [mm]</source>
        <translation>millimetre [mm]</translation>
    </message>
    <message>
        <source>milésima de pulg. [mil]</source>
        <translation>thou [mil]</translation>
    </message>
    <message>
        <source>pulgada [inch (&quot;), in]</source>
        <translation>inch [(&quot;), in]</translation>
    </message>
    <message>
        <source>pie [foot (&apos;), ft]</source>
        <translation>foot [(&apos;), ft]</translation>
    </message>
    <message>
        <source>yarda [yard, yd]</source>
        <translation>yard [yd]</translation>
    </message>
    <message>
        <source>braza [fathom]</source>
        <translation>fathom [ftm]</translation>
    </message>
    <message>
        <source>cadena [chain, ch]</source>
        <translation>chain [ch]</translation>
    </message>
    <message>
        <source>milla estatuto [Mi]</source>
        <translation>statute mile [mi]</translation>
    </message>
    <message>
        <source>nudo [milla marina]</source>
        <translation>knot [nautical mile]</translation>
    </message>
    <message>
        <source>unidad astronómica [ua]</source>
        <translation>astronomical unit [au]</translation>
    </message>
    <message>
        <source>año luz</source>
        <translation>light year</translation>
    </message>
    <message>
        <source>parsec [pc]</source>
        <translation>parsec [pc]</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vaya!</source>
        <translation>Whoa!</translation>
    </message>
    <message>
        <source>¡Qué número más grande tienes...!</source>
        <translation>What a big number you&apos;ve got...!</translation>
    </message>
    <message>
        <source>Esto así no funciona... </source>
        <translation>This won&apos;t work like this... </translation>
    </message>
    <message>
        <source>pies</source>
        <extracomment>the foot&apos;s plural, which the unit search also finds (several separated by commas)</extracomment>
        <translation>feet</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Efectos variables según la edad, el estado de salud y las características corporales de cada persona</source>
        <translation>The effects vary with each person&apos;s age, state of health and build</translation>
    </message>
    <message>
        <source>Sensación Térmica:</source>
        <translation>Feels like:</translation>
    </message>
    <message>
        <source>Sensación térmica, en º C</source>
        <translation>Apparent temperature, in °C</translation>
    </message>
    <message>
        <source>[ºC]</source>
        <translation>[°C]</translation>
    </message>
    <message>
        <source>¡Buenos días!</source>
        <translation>Good morning!</translation>
    </message>
    <message>
        <source>Categoría del peligro</source>
        <translation>Danger category</translation>
    </message>
    <message>
        <source>Sensación Térmica</source>
        <translation>Apparent temperature</translation>
    </message>
    <message>
        <source>Verano</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Invierno</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Temperatura ambiente, en º C</source>
        <translation>Air temperature, in °C</translation>
    </message>
    <message>
        <source>Humedad relativa:</source>
        <translation>Relative humidity:</translation>
    </message>
    <message>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <source>Humedad relativa ambiente, en %</source>
        <translation>Relative humidity of the air, in %</translation>
    </message>
    <message>
        <source>Velocidad del viento:</source>
        <translation>Wind speed:</translation>
    </message>
    <message>
        <source>[Km/hora]</source>
        <translation>[km/h]</translation>
    </message>
    <message>
        <source>Velocidad del viento, en Km/hora</source>
        <translation>Wind speed, in km/h</translation>
    </message>
    <message>
        <source>Sensación térmica por el efecto combinado del calor, la humedad y el viento</source>
        <translation>Apparent temperature from the combined effect of heat, humidity and wind</translation>
    </message>
    <message>
        <source> ¿Hace calor?</source>
        <translation> Feeling hot?</translation>
    </message>
    <message>
        <source>Síndrome provocado</source>
        <translation>Resulting syndrome</translation>
    </message>
    <message>
        <source>Síndrome provocado por el calor</source>
        <translation>Syndrome caused by the heat</translation>
    </message>
    <message>
        <source>Sensación térmica por efecto del viento:</source>
        <translation>Apparent temperature due to the wind:</translation>
    </message>
    <message>
        <source> ¿Está fresco?</source>
        <translation> Feeling chilly?</translation>
    </message>
    <message>
        <source>Peligro de congelamiento</source>
        <translation>Risk of frostbite</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>a class of wind speeds in the drop-down list, in km/h: from %1 to %2 (%2 is &quot;...&quot; for the last class, which has no upper bound)</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Extremo peligro:</source>
        <translation>Extreme danger:</translation>
    </message>
    <message>
        <source> Golpe de calor e insolación inminentes.</source>
        <translation> Heat stroke and sunstroke imminent.</translation>
    </message>
    <message>
        <source>Peligro:</source>
        <translation>Danger:</translation>
    </message>
    <message>
        <source> Insolación, golpe de calor, calambres. 
 Muy posibles por exposición prolongada o actividad física.</source>
        <translation> Sunstroke, heat stroke, heat cramps. 
 Very likely with long exposure or exertion.</translation>
    </message>
    <message>
        <source>Precaución extrema:</source>
        <translation>Extreme caution:</translation>
    </message>
    <message>
        <source> Insolación, golpe de calor, calambres. 
 Posibles por exposición prolongada o actividad física.</source>
        <translation> Sunstroke, heat stroke, heat cramps. 
 Possible with long exposure or exertion.</translation>
    </message>
    <message>
        <source>Precaución:</source>
        <translation>Caution:</translation>
    </message>
    <message>
        <source> Posible fatiga por exposición prolongada o
 actividad física.</source>
        <translation> Fatigue possible with prolonged exposure or
 physical activity.</translation>
    </message>
    <message>
        <source>Bueno:</source>
        <translation>Good:</translation>
    </message>
    <message>
        <source> ¡Que tengas un buen día!</source>
        <translation> Have a nice day!</translation>
    </message>
    <message>
        <source>Peligro de hipotermia, sin la vestimenta apropiada.</source>
        <translation>Risk of hypothermia without suitable clothing.</translation>
    </message>
    <message>
        <source>Muy peligroso</source>
        <translation>Very dangerous</translation>
    </message>
    <message>
        <source>Las partes del cuerpo expuestas al viento pueden congelarse
en 1 minuto.</source>
        <translation>Body parts exposed to the wind can freeze
within 1 minute.</translation>
    </message>
    <message>
        <source>Extrem. peligroso.</source>
        <translation>Extreme danger.</translation>
    </message>
    <message>
        <source>Las partes del cuerpo expuestas al viento pueden congelarse
en 30 segundos.</source>
        <translation>Body parts exposed to the wind can freeze
within 30 seconds.</translation>
    </message>
</context>
<context>
    <name>TFormAndalucia</name>
    <message>
        <source>Almería</source>
        <translation>Almería</translation>
    </message>
    <message>
        <source>Cádiz</source>
        <translation>Cádiz</translation>
    </message>
    <message>
        <source>Córdoba</source>
        <translation>Córdoba</translation>
    </message>
    <message>
        <source>Granada</source>
        <translation>Granada</translation>
    </message>
    <message>
        <source>Huelva</source>
        <translation>Huelva</translation>
    </message>
    <message>
        <source>Jaén</source>
        <translation>Jaén</translation>
    </message>
    <message>
        <source>Málaga</source>
        <translation>Málaga</translation>
    </message>
    <message>
        <source>Sevilla</source>
        <translation>Seville</translation>
    </message>
    <message>
        <source>metro:</source>
        <translation>metre:</translation>
    </message>
    <message>
        <source>kilogramo:</source>
        <translation>kilogram:</translation>
    </message>
    <message>
        <source>litro:</source>
        <translation>litre:</translation>
    </message>
    <message>
        <source>metro cuadrado:</source>
        <translation>square metre:</translation>
    </message>
    <message>
        <source>metro cúbico:</source>
        <translation>cubic metre:</translation>
    </message>
    <message>
        <source>centímetro:</source>
        <translation>centimetre:</translation>
    </message>
    <message>
        <source>milímetro:</source>
        <translation>millimetre:</translation>
    </message>
    <message>
        <source>gramo:</source>
        <translation>gram:</translation>
    </message>
    <message>
        <source>Unidades Antiguas de Andalucía</source>
        <translation>Old Andalusian units</translation>
    </message>
    <message>
        <source>MEDIDAS ANTIGUAS DE ANDALUCÍA  (Procedentes del sistema de medidas llamado de Castilla)</source>
        <translation>OLD MEASURES OF ANDALUSIA  (From the system of measures known as that of Castile)</translation>
    </message>
    <message>
        <source>Principales</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Vinos y Licores</source>
        <translation>Wines &amp;&amp; Spirits</translation>
    </message>
    <message>
        <source>Áridos</source>
        <extracomment>dry goods: grain and pulses measured by volume</extracomment>
        <translation>Dry Goods</translation>
    </message>
    <message>
        <source>Aceite</source>
        <translation>Oil</translation>
    </message>
    <message>
        <source>Agrarias</source>
        <extracomment>land measures</extracomment>
        <translation>Land</translation>
    </message>
    <message>
        <source>Longitud - Peso - Capacidad</source>
        <translation>Length - Weight - Capacity</translation>
    </message>
    <message>
        <source>Superficie - Volumen</source>
        <translation>Area - Volume</translation>
    </message>
    <message>
        <source>(1) También llamada Arroba</source>
        <extracomment>a footnote to the unit &quot;Cántara (1)&quot;, whose other name is &quot;Arroba&quot;</extracomment>
        <translation>(1) Also called Arroba</translation>
    </message>
    <message>
        <source>(1) Unidad de regadío</source>
        <extracomment>a footnote to the unit &quot;Tahulla (1)&quot;</extracomment>
        <translation>(1) Unit of irrigated land</translation>
    </message>
    <message>
        <source>Aclaración</source>
        <translation>Clarification</translation>
    </message>
    <message>
        <source>Datos publicados por la Dirección General del Instituto Geográfico y Estadístico. Año 1938</source>
        <translation>Data published by the Directorate-General of the Geographical and Statistical Institute. Year 1938</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Esta unidad de regadío sólo se ha definido para Almería.</source>
        <translation>This unit of irrigated land is defined for Almería only.</translation>
    </message>
    <message>
        <source>No se ha definido esta unidad para %1</source>
        <translation>This unit is not defined for %1</translation>
    </message>
    <message>
        <source>Este es el máximo número admisible... 
Si necesita operar con magnitudes mayores que 10E300 comuníquese con el autor...</source>
        <translation>This is the largest number allowed... 
If you need to work with magnitudes greater than 10E300, please contact the author...</translation>
    </message>
    <message>
        <source>Oh!</source>
        <translation>Oh!</translation>
    </message>
    <message>
        <source>Fanega - Celemín - Cuartillo:
    Son medidas de capacidad para áridos.
    Aquí significan: espacio de tierra en que se siembra una fanega, celemín o cuartillo de trigo.

Nota del autor:
    Aunque resulta evidente la inconsistencia entre la Vara, como unidad de longitud, y la Vara² que
    aquí se muestra, se han respetado las equivalencias publicadas por la fuente.</source>
        <translation>Fanega - Celemín - Cuartillo:
    These are measures of capacity for dry goods.
    Here they mean: the area of land sown with a fanega, celemín or cuartillo of wheat.

Author&apos;s note:
    Although the inconsistency between the Vara, as a unit of length, and the Vara² shown
    here is evident, the equivalences published by the source have been kept.</translation>
    </message>
</context>
<context>
    <name>TFormAngulo</name>
    <message>
        <source>radián</source>
        <translation>radian</translation>
    </message>
    <message>
        <source>grado sexagesimal [°]</source>
        <translation>sexagesimal degree [°]</translation>
    </message>
    <message>
        <source>minuto sexagesimal [&apos;]</source>
        <translation>sexagesimal minute [&apos;]</translation>
    </message>
    <message>
        <source>segundo sexagesimal [&apos;&apos;]</source>
        <translation>sexagesimal second [&apos;&apos;]</translation>
    </message>
    <message>
        <source>grado centesimal [g]</source>
        <extracomment>the gradian</extracomment>
        <translation>gradian [g]</translation>
    </message>
    <message>
        <source>revolución</source>
        <translation>revolution</translation>
    </message>
    <message>
        <source>recto</source>
        <extracomment>the right angle</extracomment>
        <translation>right angle</translation>
    </message>
    <message>
        <source>grados</source>
        <extracomment>the accessible name of the edit of whole degrees, beside the edits of minutes and seconds</extracomment>
        <translation>degrees</translation>
    </message>
    <message>
        <source>minutos</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>segundos</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Ángulos planos</source>
        <translation>Plane angles</translation>
    </message>
    <message>
        <source>Volver</source>
        <extracomment>the button that closes the window</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Este número excede la capacidad de cálculo,
lo lamento...</source>
        <translation>This number is beyond what can be calculated,
I&apos;m sorry...</translation>
    </message>
</context>
<context>
    <name>TFormBase</name>
    <message>
        <source>  Tarvel - Base de numeración</source>
        <translation>  Tarvel - Number base</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Elija la base de numeración y escriba el número que desea convertir:</source>
        <translation>Choose the number base and type the number you want to convert:</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Base:</translation>
    </message>
    <message>
        <source>Equivale a:</source>
        <translation>Equals:</translation>
    </message>
</context>
<context>
    <name>TFormBrowser</name>
    <message>
        <source>Conversor de divisas &quot;on-line&quot;</source>
        <translation>Online currency converter</translation>
    </message>
    <message>
        <source>Anterior</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ir a:</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>Su página Web</source>
        <translation>Your web page</translation>
    </message>
    <message>
        <source>Este programa</source>
        <translation>This program</translation>
    </message>
    <message>
        <source>Esta aplicación necesita que esté instalado InternetExplores 4, o posterior.</source>
        <translation>This application needs Internet Explorer 4, or later, to be installed.</translation>
    </message>
    <message>
        <source>Eligiendo esta opción, el mini-browser se dirigirá a su página Web (por un mínimo desembolso previo, naturalmente =).</source>
        <translation>Choosing this option, the mini-browser will go to your web page (for a minimal outlay beforehand, naturally =).</translation>
    </message>
    <message>
        <source>¿Su página aquí?</source>
        <translation>Your page here?</translation>
    </message>
</context>
<context>
    <name>TFormBuscar</name>
    <message>
        <source>Buscar unidad</source>
        <translation>Find unit</translation>
    </message>
    <message>
        <source>Unidad o cantidad: pulgada, ft, 5 pies, 100 km/h</source>
        <translation>Unit or quantity: inch, ft, 5 feet, 100 km/h</translation>
    </message>
    <message>
        <source>Nombre o símbolo de una unidad, o una cantidad con su unidad</source>
        <translation>A unit&apos;s name or symbol, or a quantity with its unit</translation>
    </message>
    <message>
        <source>Unidades encontradas</source>
        <translation>Units found</translation>
    </message>
    <message>
        <source>Favoritas</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Recientes</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Unidades favoritas y abiertas últimamente</source>
        <translation>Favourite and recently opened units</translation>
    </message>
    <message>
        <source>Unidades favoritas</source>
        <translation>Favourite units</translation>
    </message>
    <message>
        <source>Unidades abiertas últimamente</source>
        <translation>Recently opened units</translation>
    </message>
    <message>
        <source>Escriba la unidad tras el número: %1 pies</source>
        <extracomment>%1 is the number typed; the unit after it is an example</extracomment>
        <translation>Type the unit after the number: %1 feet</translation>
    </message>
    <message>
        <source>Ninguna unidad se llama así.</source>
        <translation>No unit has that name.</translation>
    </message>
    <message>
        <source>1 unidad</source>
        <translation>1 unit</translation>
    </message>
    <message>
        <source>%1 unidades, las %2 primeras a la vista</source>
        <translation>%1 units, the first %2 shown</translation>
    </message>
    <message>
        <source>%1 unidades</source>
        <translation>%1 units</translation>
    </message>
    <message>
        <source>%1. Intro escribe %2 en la elegida.</source>
        <extracomment>%1 is how many units answer (&quot;12 unidades&quot;), %2 the number typed before the unit</extracomment>
        <translation>%1. Enter types %2 into the chosen one.</translation>
    </message>
    <message>
        <source>%1 está ahora entre las favoritas.</source>
        <translation>%1 is now one of the favourites.</translation>
    </message>
    <message>
        <source>%1 ya no está entre las favoritas.</source>
        <translation>%1 is no longer one of the favourites.</translation>
    </message>
    <message>
        <source>Ya hay %1 favoritas: quite alguna antes de añadir otra.</source>
        <translation>There are already %1 favourites: remove one before adding another.</translation>
    </message>
    <message>
        <source>Esta unidad no puede guardarse entre las favoritas.</source>
        <translation>This unit cannot be kept among the favourites.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las favoritas: %1.</source>
        <translation>The favourites could not be saved: %1.</translation>
    </message>
    <message>
        <source>Añadir a favoritas</source>
        <translation>Add to favourites</translation>
    </message>
</context>
<context>
    <name>TFormCaudal</name>
    <message>
        <source>litro/minuto</source>
        <translation>litre/minute</translation>
    </message>
    <message>
        <source>litro/hora</source>
        <translation>litre/hour</translation>
    </message>
    <message>
        <source>litro/día</source>
        <translation>litre/day</translation>
    </message>
    <message>
        <source>metro³/segundo</source>
        <extracomment>cubic metre per second (³ is a superscript character, as in the other cubic units)</extracomment>
        <translation>metre³/second</translation>
    </message>
    <message>
        <source>metro³/minuto</source>
        <translation>metre³/minute</translation>
    </message>
    <message>
        <source>metro³/hora</source>
        <translation>metre³/hour</translation>
    </message>
    <message>
        <source>metro³/día</source>
        <translation>metre³/day</translation>
    </message>
    <message>
        <source>centímetro³/segundo</source>
        <translation>centimetre³/second</translation>
    </message>
    <message>
        <source>centímetro³/minuto</source>
        <translation>centimetre³/minute</translation>
    </message>
    <message>
        <source>centímetro³/hora</source>
        <translation>centimetre³/hour</translation>
    </message>
    <message>
        <source>centímetro³/día</source>
        <translation>centimetre³/day</translation>
    </message>
    <message>
        <source>pie³/segundo</source>
        <translation>foot³/second</translation>
    </message>
    <message>
        <source>pie³/minuto</source>
        <translation>foot³/minute</translation>
    </message>
    <message>
        <source>pie³/hora</source>
        <translation>foot³/hour</translation>
    </message>
    <message>
        <source>pie³/día</source>
        <translation>foot³/day</translation>
    </message>
    <message>
        <source>galón/segundo</source>
        <extracomment>the US gallon (3.785 l) per second, as are the other gallons of this window</extracomment>
        <translation>gallon/second</translation>
    </message>
    <message>
        <source>galón/minuto (USGPM)</source>
        <extracomment>US gallons per minute; USGPM is its usual abbreviation</extracomment>
        <translation>gallon/minute (USGPM)</translation>
    </message>
    <message>
        <source>galón/hora</source>
        <translation>gallon/hour</translation>
    </message>
    <message>
        <source>galón/día</source>
        <translation>gallon/day</translation>
    </message>
    <message>
        <source>barril/segundo</source>
        <extracomment>the oil barrel (158.99 l) per second, as are the other barrels of this window</extracomment>
        <translation>barrel/second</translation>
    </message>
    <message>
        <source>barril/minuto</source>
        <translation>barrel/minute</translation>
    </message>
    <message>
        <source>barril/hora</source>
        <translation>barrel/hour</translation>
    </message>
    <message>
        <source>barril/día</source>
        <translation>barrel/day</translation>
    </message>
    <message>
        <source>Caudal</source>
        <extracomment>the window&apos;s title: volume flow rate</extracomment>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>litro/segundo</source>
        <translation>litre/second</translation>
    </message>
    <message>
        <source>Probemos con un número más chico...</source>
        <extracomment>a number too large was typed: &quot;let&apos;s try a smaller number...&quot;</extracomment>
        <translation>Let&apos;s try a smaller number...</translation>
    </message>
</context>
<context>
    <name>TFormClinic</name>
    <message>
        <source>Paracetamol</source>
        <extracomment>the analytes (laboratory values) by their usual names in this language, each name different; the second column of the list keeps their English names</extracomment>
        <translation>Paracetamol</translation>
    </message>
    <message>
        <source>µg/mL</source>
        <translation>µg/mL</translation>
    </message>
    <message>
        <source>µmol/L</source>
        <translation>µmol/L</translation>
    </message>
    <message>
        <source>Ácido acetoacético</source>
        <translation>Acetoacetic acid</translation>
    </message>
    <message>
        <source>mg/dL</source>
        <translation>mg/dL</translation>
    </message>
    <message>
        <source>mmol/L</source>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>Acetona</source>
        <translation>Acetone</translation>
    </message>
    <message>
        <source>Fosfatasa ácida</source>
        <translation>Acid phosphatase</translation>
    </message>
    <message>
        <source>unidades/L</source>
        <translation>units/L</translation>
    </message>
    <message>
        <source>U/L</source>
        <translation>U/L</translation>
    </message>
    <message>
        <source>Alanina</source>
        <translation>Alanine</translation>
    </message>
    <message>
        <source>Alanina-aminotransferasa</source>
        <translation>Alanine aminotransferase</translation>
    </message>
    <message>
        <source>Albúmina</source>
        <translation>Albumin</translation>
    </message>
    <message>
        <source>g/dL</source>
        <translation>g/dL</translation>
    </message>
    <message>
        <source>g/L</source>
        <translation>g/L</translation>
    </message>
    <message>
        <source>Alcohol-deshidrogenasa</source>
        <translation>Alcohol dehydrogenase</translation>
    </message>
    <message>
        <source>Fructosa-bisfosfato-aldolasa</source>
        <translation>Aldolase</translation>
    </message>
    <message>
        <source>Aldosterona</source>
        <translation>Aldosterone</translation>
    </message>
    <message>
        <source>ng/dL</source>
        <translation>ng/dL</translation>
    </message>
    <message>
        <source>nmol/L</source>
        <translation>nmol/L</translation>
    </message>
    <message>
        <source>Fosfatasa alcalina</source>
        <translation>Alkaline phosphatase</translation>
    </message>
    <message>
        <source>Amoníaco</source>
        <translation>Ammonia</translation>
    </message>
    <message>
        <source>µg/dL</source>
        <translation>µg/dL</translation>
    </message>
    <message>
        <source>Amilasa</source>
        <translation>Amylase</translation>
    </message>
    <message>
        <source>Androstenodiona</source>
        <translation>Androstenedione</translation>
    </message>
    <message>
        <source>Proangiotensina</source>
        <translation>Angiotensin I</translation>
    </message>
    <message>
        <source>pg/mL</source>
        <translation>pg/mL</translation>
    </message>
    <message>
        <source>pmol/L</source>
        <translation>pmol/L</translation>
    </message>
    <message>
        <source>Angiotensina</source>
        <translation>Angiotensin II</translation>
    </message>
    <message>
        <source>Vasopresina</source>
        <translation>Vasopressin</translation>
    </message>
    <message>
        <source>Antitrombina III</source>
        <translation>Antithrombin III</translation>
    </message>
    <message>
        <source>mg/L</source>
        <translation>mg/L</translation>
    </message>
    <message>
        <source>1-antitripsina</source>
        <translation>Alpha-1 antitrypsin</translation>
    </message>
    <message>
        <source>Apolipoproteína (a)</source>
        <translation>Apolipoprotein (a)</translation>
    </message>
    <message>
        <source>Apolipoproteína B</source>
        <translation>Apolipoprotein B</translation>
    </message>
    <message>
        <source>Arginina</source>
        <translation>Arginine</translation>
    </message>
    <message>
        <source>Asparragina</source>
        <translation>Asparagine</translation>
    </message>
    <message>
        <source>Aspartato-aminotransferasa</source>
        <translation>Aspartate aminotransferase</translation>
    </message>
    <message>
        <source>Hidrogenocarbonato  [sust. endógena]</source>
        <translation>Bicarbonate [endogenous]</translation>
    </message>
    <message>
        <source>mEq/L</source>
        <translation>mEq/L</translation>
    </message>
    <message>
        <source>Bilirrubina</source>
        <translation>Bilirubin</translation>
    </message>
    <message>
        <source>Calcitonina</source>
        <translation>Calcitonin</translation>
    </message>
    <message>
        <source>ng/L</source>
        <translation>ng/L</translation>
    </message>
    <message>
        <source>Calcio</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Dióxido de Carbono</source>
        <translation>Carbon dioxide</translation>
    </message>
    <message>
        <source>mmoI/L</source>
        <extracomment>millimoles per litre, the l written as a capital I</extracomment>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>Ferroxidasa</source>
        <translation>Caeruloplasmin</translation>
    </message>
    <message>
        <source>Cloruro</source>
        <translation>Chloride</translation>
    </message>
    <message>
        <source>Colesterol</source>
        <translation>Cholesterol</translation>
    </message>
    <message>
        <source>Citrato</source>
        <translation>Citrate</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>µmoI/L</source>
        <extracomment>micromoles per litre, the l written as a capital I</extracomment>
        <translation>µmol/L</translation>
    </message>
    <message>
        <source>Coproporfirina (orina)</source>
        <translation>Coproporphyrin (urine)</translation>
    </message>
    <message>
        <source>µg/24 hr</source>
        <translation>µg/24 h</translation>
    </message>
    <message>
        <source>nmol/d</source>
        <translation>nmol/d</translation>
    </message>
    <message>
        <source>Corticotropina [sustancia endógena]</source>
        <translation>Corticotropin [endogenous]</translation>
    </message>
    <message>
        <source>Cortisol</source>
        <translation>Cortisol</translation>
    </message>
    <message>
        <source>Creatinea</source>
        <translation>Creatine</translation>
    </message>
    <message>
        <source>Creatina-cinasa</source>
        <translation>Creatine kinase</translation>
    </message>
    <message>
        <source>Creatinina</source>
        <translation>Creatinine</translation>
    </message>
    <message>
        <source>Depuración de creatininio</source>
        <translation>Creatinine clearance</translation>
    </message>
    <message>
        <source>mL/min</source>
        <translation>mL/min</translation>
    </message>
    <message>
        <source>mL/s</source>
        <translation>mL/s</translation>
    </message>
    <message>
        <source>Deshidroepiandrosterona</source>
        <translation>Dehydroepiandrosterone</translation>
    </message>
    <message>
        <source>ng/mL</source>
        <translation>ng/mL</translation>
    </message>
    <message>
        <source>Digoxina</source>
        <translation>Digoxin</translation>
    </message>
    <message>
        <source>Adrenalina [sustancia endógena]</source>
        <translation>Adrenaline [endogenous]</translation>
    </message>
    <message>
        <source>Eritrosedimentación</source>
        <translation>Erythrocyte sedimentation rate</translation>
    </message>
    <message>
        <source>mm/h</source>
        <translation>mm/h</translation>
    </message>
    <message>
        <source>Estradiol</source>
        <translation>Estradiol</translation>
    </message>
    <message>
        <source>Etanol</source>
        <translation>Ethanol</translation>
    </message>
    <message>
        <source>Ferritina</source>
        <translation>Ferritin</translation>
    </message>
    <message>
        <source>Fibrinógeno</source>
        <translation>Fibrinogen</translation>
    </message>
    <message>
        <source>Folato</source>
        <translation>Folate</translation>
    </message>
    <message>
        <source>Folitropina</source>
        <translation>Follitropin (FSH)</translation>
    </message>
    <message>
        <source>mIU/mL</source>
        <translation>mIU/mL</translation>
    </message>
    <message>
        <source>IU/L</source>
        <translation>IU/L</translation>
    </message>
    <message>
        <source>Fructosa</source>
        <translation>Fructose</translation>
    </message>
    <message>
        <source>Galactosa</source>
        <translation>Galactose</translation>
    </message>
    <message>
        <source>Glucagón</source>
        <translation>Glucagon</translation>
    </message>
    <message>
        <source>Glucosa</source>
        <translation>Glucose</translation>
    </message>
    <message>
        <source>Glutamina</source>
        <translation>Glutamine</translation>
    </message>
    <message>
        <source>Glicohemoglobina</source>
        <translation>Glycohaemoglobin</translation>
    </message>
    <message>
        <source>% del total de hemoglobina</source>
        <translation>% of total haemoglobin</translation>
    </message>
    <message>
        <source>propoción del total de hemoglobina</source>
        <translation>fraction of total haemoglobin</translation>
    </message>
    <message>
        <source>Glicina</source>
        <translation>Glycine</translation>
    </message>
    <message>
        <source>Hepatoglobina</source>
        <translation>Haptoglobin</translation>
    </message>
    <message>
        <source>Hemoglobina (concentración de masa)</source>
        <translation>Haemoglobin (mass concentration)</translation>
    </message>
    <message>
        <source>Colesterol de HDL</source>
        <translation>HDL cholesterol</translation>
    </message>
    <message>
        <source>Histidina</source>
        <translation>Histidine</translation>
    </message>
    <message>
        <source>Coriogonadotropina [sustancia endógena]</source>
        <translation>Chorionic gonadotropin [endogenous]</translation>
    </message>
    <message>
        <source>mlU/mL</source>
        <extracomment>milli-international units per millilitre, the I written as a lower-case l</extracomment>
        <translation>mIU/mL</translation>
    </message>
    <message>
        <source>Ácido 2-hidroxibutírico</source>
        <translation>2-Hydroxybutyric acid</translation>
    </message>
    <message>
        <source>Hidroxiprolina</source>
        <translation>Hydroxyproline</translation>
    </message>
    <message>
        <source>Inmunoglobulina A</source>
        <translation>Immunoglobulin A</translation>
    </message>
    <message>
        <source>Inmunoglobulina D</source>
        <translation>Immunoglobulin D</translation>
    </message>
    <message>
        <source>Inmunoglobulina E</source>
        <translation>Immunoglobulin E</translation>
    </message>
    <message>
        <source>Inmunoglobulina G</source>
        <translation>Immunoglobulin G</translation>
    </message>
    <message>
        <source>Inmunoglobulina M</source>
        <translation>Immunoglobulin M</translation>
    </message>
    <message>
        <source>Insulina</source>
        <translation>Insulin</translation>
    </message>
    <message>
        <source>µIU/mL</source>
        <translation>µIU/mL</translation>
    </message>
    <message>
        <source>Hierro</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Lactato [Ácido láctico más ion lactato]</source>
        <translation>Lactate [lactic acid plus lactate ion]</translation>
    </message>
    <message>
        <source>Lactato-deshidrogenasa</source>
        <translation>Lactate dehydrogenase</translation>
    </message>
    <message>
        <source>Plomo</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>Leucina</source>
        <translation>Leucine</translation>
    </message>
    <message>
        <source>Triacilglicerol-lipasa</source>
        <translation>Lipase</translation>
    </message>
    <message>
        <source>Lípidos</source>
        <translation>Lipids</translation>
    </message>
    <message>
        <source>Lipoproteína (a)</source>
        <translation>Lipoprotein (a)</translation>
    </message>
    <message>
        <source>Litio</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Colesterol de LDL</source>
        <translation>LDL cholesterol</translation>
    </message>
    <message>
        <source>Lutropina</source>
        <translation>Lutropin (LH)</translation>
    </message>
    <message>
        <source>lU/L</source>
        <extracomment>international units per litre, the I written as a lower-case l</extracomment>
        <translation>IU/L</translation>
    </message>
    <message>
        <source>Lisina</source>
        <translation>Lysine</translation>
    </message>
    <message>
        <source>Magnesio</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Metanol</source>
        <translation>Methanol</translation>
    </message>
    <message>
        <source>Metahemoglobina</source>
        <translation>Methaemoglobin</translation>
    </message>
    <message>
        <source>proporción del total de hemoglobina</source>
        <translation>fraction of total haemoglobin</translation>
    </message>
    <message>
        <source>Metionina</source>
        <translation>Methionine</translation>
    </message>
    <message>
        <source>Mioglobina</source>
        <translation>Myoglobin</translation>
    </message>
    <message>
        <source>µg/L</source>
        <translation>µg/L</translation>
    </message>
    <message>
        <source>Noradrenalina [sustancia endógena]</source>
        <translation>Noradrenaline [endogenous]</translation>
    </message>
    <message>
        <source>Ornitina</source>
        <translation>Ornithine</translation>
    </message>
    <message>
        <source>Osmolalidad</source>
        <translation>Osmolality</translation>
    </message>
    <message>
        <source>mOsm/kg</source>
        <translation>mOsm/kg</translation>
    </message>
    <message>
        <source>mmoI/kg</source>
        <extracomment>millimoles per kilogram, the l written as a capital I</extracomment>
        <translation>mmol/kg</translation>
    </message>
    <message>
        <source>Osteocalcina</source>
        <translation>Osteocalcin</translation>
    </message>
    <message>
        <source>Oxalato [ácido oxálico más ion oxalato]</source>
        <translation>Oxalate [oxalic acid plus oxalate ion]</translation>
    </message>
    <message>
        <source>Paratirina</source>
        <translation>Parathyroid hormone</translation>
    </message>
    <message>
        <source>Fenobarbital</source>
        <translation>Phenobarbital</translation>
    </message>
    <message>
        <source>Fenilalanina</source>
        <translation>Phenylalanine</translation>
    </message>
    <message>
        <source>Fenitoína</source>
        <translation>Phenytoin</translation>
    </message>
    <message>
        <source>Fósforo</source>
        <translation>Phosphorus</translation>
    </message>
    <message>
        <source>Potasio</source>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Progesterona</source>
        <translation>Progesterone</translation>
    </message>
    <message>
        <source>Prolactina</source>
        <translation>Prolactin</translation>
    </message>
    <message>
        <source>Prolina</source>
        <translation>Proline</translation>
    </message>
    <message>
        <source>Proteína, total</source>
        <translation>Protein, total</translation>
    </message>
    <message>
        <source>Protrombina</source>
        <translation>Prothrombin</translation>
    </message>
    <message>
        <source>µmol/L </source>
        <translation>µmol/L </translation>
    </message>
    <message>
        <source>Protoporfirina</source>
        <translation>Protoporphyrin</translation>
    </message>
    <message>
        <source>Piruvato</source>
        <translation>Pyruvate</translation>
    </message>
    <message>
        <source>Quinidina</source>
        <translation>Quinidine</translation>
    </message>
    <message>
        <source>Recuento de células rojas</source>
        <translation>Red blood cell count</translation>
    </message>
    <message>
        <source>10^6/µL</source>
        <translation>10^6/µL</translation>
    </message>
    <message>
        <source>10^12/L</source>
        <translation>10^12/L</translation>
    </message>
    <message>
        <source>Renina</source>
        <translation>Renin</translation>
    </message>
    <message>
        <source>Recuento de Reticulocitos</source>
        <translation>Reticulocyte count</translation>
    </message>
    <message>
        <source>% de RBCs</source>
        <extracomment>per cent of the red blood cells</extracomment>
        <translation>% of RBCs</translation>
    </message>
    <message>
        <source>proporción de 1.0</source>
        <extracomment>a fraction of one: the count in SI units</extracomment>
        <translation>fraction of 1.0</translation>
    </message>
    <message>
        <source>Salicilato [ácido salicílico más ion salicilato]</source>
        <translation>Salicylate [salicylic acid plus salicylate ion]</translation>
    </message>
    <message>
        <source>Serina</source>
        <translation>Serine</translation>
    </message>
    <message>
        <source>Sodio</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Somatomedina-C</source>
        <translation>Somatomedin C</translation>
    </message>
    <message>
        <source>Somatostatina</source>
        <translation>Somatostatin</translation>
    </message>
    <message>
        <source>Testosterona</source>
        <translation>Testosterone</translation>
    </message>
    <message>
        <source>Teofilina</source>
        <translation>Theophylline</translation>
    </message>
    <message>
        <source>Treonina</source>
        <translation>Threonine</translation>
    </message>
    <message>
        <source>Tirotropina</source>
        <translation>Thyrotropin (TSH)</translation>
    </message>
    <message>
        <source>mIU/L</source>
        <translation>mIU/L</translation>
    </message>
    <message>
        <source>Tiroxina libre (T4)</source>
        <translation>Free thyroxine (T4)</translation>
    </message>
    <message>
        <source>Tiroxina total (T4)</source>
        <translation>Total thyroxine (T4)</translation>
    </message>
    <message>
        <source>Transferrina</source>
        <translation>Transferrin</translation>
    </message>
    <message>
        <source>Triiodotironina libre (T3)</source>
        <translation>Free triiodothyronine (T3)</translation>
    </message>
    <message>
        <source>pg/dL</source>
        <translation>pg/dL</translation>
    </message>
    <message>
        <source>Triiodotironina total (T3)</source>
        <translation>Total triiodothyronine (T3)</translation>
    </message>
    <message>
        <source>troponina T</source>
        <translation>Troponin T</translation>
    </message>
    <message>
        <source>Triptófano</source>
        <translation>Tryptophan</translation>
    </message>
    <message>
        <source>Tirosina</source>
        <translation>Tyrosine</translation>
    </message>
    <message>
        <source>Nitrógeno ureico</source>
        <translation>Urea nitrogen</translation>
    </message>
    <message>
        <source>Ácido úrico</source>
        <translation>Uric acid</translation>
    </message>
    <message>
        <source>Valina</source>
        <translation>Valine</translation>
    </message>
    <message>
        <source>Vitamina A (retinol)</source>
        <translation>Vitamin A (retinol)</translation>
    </message>
    <message>
        <source>Vitamina B6 (piridoxal-5&apos;-fosfato)</source>
        <translation>Vitamin B6 (pyridoxal 5&apos;-phosphate)</translation>
    </message>
    <message>
        <source>Vitamin B12 (cianocobalamina)</source>
        <translation>Vitamin B12 (cyanocobalamin)</translation>
    </message>
    <message>
        <source>Vitamina C (ácido ascórbico)</source>
        <translation>Vitamin C (ascorbic acid)</translation>
    </message>
    <message>
        <source>Vitamina E (tocoferol)</source>
        <translation>Vitamin E (tocopherol)</translation>
    </message>
    <message>
        <source>Vitamina K</source>
        <translation>Vitamin K</translation>
    </message>
    <message>
        <source>Recuento de células blancas</source>
        <translation>White blood cell count</translation>
    </message>
    <message>
        <source>10^3/µL</source>
        <translation>10^3/µL</translation>
    </message>
    <message>
        <source>10^9/L</source>
        <translation>10^9/L</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Unidades de datos clínicos</source>
        <translation>Clinical data units</translation>
    </message>
    <message>
        <source>Unidad Común</source>
        <translation>Conventional unit</translation>
    </message>
    <message>
        <source>Unidad SI</source>
        <translation>SI unit</translation>
    </message>
    <message>
        <source>Advertencia</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Componente</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>Component</source>
        <extracomment>the heading of the column that keeps the analytes&apos; English names in every language</extracomment>
        <translation>English name</translation>
    </message>
    <message>
        <source>Error en la conversión.
Este componente no tiene una conversión asociada.</source>
        <translation>Conversion error.
This component has no conversion of its own.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 no es un número válido.</source>
        <extracomment>%1 is what the user typed</extracomment>
        <translation>%1 is not a valid number.</translation>
    </message>
    <message>
        <source>Error de conversión</source>
        <translation>Conversion error</translation>
    </message>
    <message>
        <source>Mensaje de Windows:</source>
        <translation>Windows message:</translation>
    </message>
    <message>
        <source>Como con cualquier otro software, verifique los datos
y los resultados de los procesos antes de aplicarlos;
en particular si se trata de cuestiones de salud.</source>
        <translation>As with any other software, check the data
and the results of its calculations before applying them,
especially where health is concerned.</translation>
    </message>
</context>
<context>
    <name>TFormDatos</name>
    <message>
        <source>bit (b)</source>
        <translation>bit (b)</translation>
    </message>
    <message>
        <source>nibble (nb)</source>
        <extracomment>four bits</extracomment>
        <translation>nibble (nb)</translation>
    </message>
    <message>
        <source>Byte (B)</source>
        <translation>Byte (B)</translation>
    </message>
    <message>
        <source>word (w)</source>
        <extracomment>sixteen bits</extracomment>
        <translation>word (w)</translation>
    </message>
    <message>
        <source>double word (dword)</source>
        <extracomment>thirty-two bits</extracomment>
        <translation>double word (dword)</translation>
    </message>
    <message>
        <source>block (blk)</source>
        <extracomment>a block of 512 bytes</extracomment>
        <translation>block (blk)</translation>
    </message>
    <message>
        <source>kilobit (Kb)</source>
        <extracomment>1024 bits (the binary multiples are written with capitals: Kb, kB, Mb...)</extracomment>
        <translation>kilobit (Kb)</translation>
    </message>
    <message>
        <source>kiloByte (kB)</source>
        <translation>kiloByte (kB)</translation>
    </message>
    <message>
        <source>megabit (Mb)</source>
        <translation>megabit (Mb)</translation>
    </message>
    <message>
        <source>megaByte (MB)</source>
        <translation>megaByte (MB)</translation>
    </message>
    <message>
        <source>gigabit (Gb)</source>
        <translation>gigabit (Gb)</translation>
    </message>
    <message>
        <source>gigaByte (GB)</source>
        <translation>gigaByte (GB)</translation>
    </message>
    <message>
        <source>terabit (Tb)</source>
        <translation>terabit (Tb)</translation>
    </message>
    <message>
        <source>teraByte (TB)</source>
        <translation>teraByte (TB)</translation>
    </message>
    <message>
        <source>kilobit (kb)</source>
        <extracomment>1000 bits (the SI multiples)</extracomment>
        <translation>kilobit (kb)</translation>
    </message>
    <message>
        <source> Datos</source>
        <extracomment>the window&apos;s title (leading blank kept): units of digital information</extracomment>
        <translation> Data</translation>
    </message>
    <message>
        <source> SI </source>
        <extracomment>caption of the box of decimal multiples: the abbreviation of the International System of Units (blanks kept)</extracomment>
        <translation> SI </translation>
    </message>
    <message>
        <source>Sistema Internacional</source>
        <extracomment>tooltip of the SI box: the International System of Units</extracomment>
        <translation>International System of Units</translation>
    </message>
    <message>
        <source>Son muchos bits...!</source>
        <extracomment>a number too large was typed: &quot;that&apos;s a lot of bits...!&quot;</extracomment>
        <translation>That&apos;s a lot of bits...!</translation>
    </message>
    <message>
        <source>Epa!</source>
        <extracomment>caption of a warning box: an exclamation of surprise</extracomment>
        <translation>Whoa!</translation>
    </message>
</context>
<context>
    <name>TFormDensidad</name>
    <message>
        <source>kilogramo/metro</source>
        <extracomment>a raised 3 follows: kilogram per cubic metre (so for every unit of this window that ends in a length)</extracomment>
        <translation>kilogram/metre</translation>
    </message>
    <message>
        <source>libra/yarda</source>
        <translation>pound/yard</translation>
    </message>
    <message>
        <source>kilogramo/litro</source>
        <translation>kilogram/litre</translation>
    </message>
    <message>
        <source>gramo/centímetro</source>
        <translation>gram/centimetre</translation>
    </message>
    <message>
        <source>gramo/litro</source>
        <translation>gram/litre</translation>
    </message>
    <message>
        <source>slug/pulgada</source>
        <translation>slug/inch</translation>
    </message>
    <message>
        <source>slug/pie</source>
        <translation>slug/foot</translation>
    </message>
    <message>
        <source>slug/yarda</source>
        <translation>slug/yard</translation>
    </message>
    <message>
        <source>libra/galón (EE.UU. líq)</source>
        <extracomment>pound per US liquid gallon</extracomment>
        <translation>pound/gallon (US liq)</translation>
    </message>
    <message>
        <source>libra/galón (G.B. líq)</source>
        <extracomment>pound per imperial (British) liquid gallon</extracomment>
        <translation>pound/gallon (UK liq)</translation>
    </message>
    <message>
        <source>libra/pulgada</source>
        <translation>pound/inch</translation>
    </message>
    <message>
        <source>libra/pie</source>
        <translation>pound/foot</translation>
    </message>
    <message>
        <source>onza/pulgada</source>
        <translation>ounce/inch</translation>
    </message>
    <message>
        <source>onza/pie</source>
        <translation>ounce/foot</translation>
    </message>
    <message>
        <source>onza/galón (EE.UU. líq)</source>
        <extracomment>ounce per US liquid gallon</extracomment>
        <translation>ounce/gallon (US liq)</translation>
    </message>
    <message>
        <source>Unidades de densidad</source>
        <translation>Density units</translation>
    </message>
    <message>
        <source>Ohhh...</source>
        <extracomment>caption of a box: an exclamation</extracomment>
        <translation>Ohhh...</translation>
    </message>
    <message>
        <source>%1 es todo un numerito!</source>
        <extracomment>%1 is the number typed: &quot;%1 is quite a number!&quot;</extracomment>
        <translation>%1 is quite a number!</translation>
    </message>
</context>
<context>
    <name>TFormDivisaPropia</name>
    <message>
        <source>Añadir divisa</source>
        <translation>Add currency</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Modificar divisa</source>
        <translation>Edit currency</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Código (ISO 4217):</source>
        <translation>Code (ISO 4217):</translation>
    </message>
    <message>
        <source>Divisa:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Unidades por euro:</source>
        <translation>Units per euro:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Divisa</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>El código de una divisa son tres letras, como ARS o CLP.</source>
        <translation>A currency&apos;s code is three letters, such as ARS or CLP.</translation>
    </message>
    <message>
        <source>%1 ya está en la lista de divisas.</source>
        <translation>%1 is already in the list of currencies.</translation>
    </message>
    <message>
        <source>Escriba el nombre de la divisa.</source>
        <translation>Type the name of the currency.</translation>
    </message>
    <message>
        <source>Escriba cuántas unidades de la divisa vale un euro: un número entre 0%1 y 1000000000000.</source>
        <extracomment>0%1 is 0,000001 (or 0.000001), with the user&apos;s decimal separator</extracomment>
        <translation>Type how many units of the currency one euro is worth: a number between 0%1 and 1000000000000.</translation>
    </message>
    <message>
        <source>¿Quitar %1 de sus divisas?</source>
        <extracomment>%1 the currency&apos;s name and code: &quot;peso argentino [ARS]&quot;</extracomment>
        <translation>Remove %1 from your currencies?</translation>
    </message>
</context>
<context>
    <name>TFormDivisas</name>
    <message>
        <source>Divisas</source>
        <translation>Currencies</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Añadir divisa...</source>
        <translation>Add currency...</translation>
    </message>
    <message>
        <source>Modificar divisa...</source>
        <translation>Edit currency...</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Fecha:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Fecha de los tipos</source>
        <translation>Date of the rates</translation>
    </message>
    <message>
        <source>propia, %1</source>
        <extracomment>beside a currency of the user&apos;s own: the day it was entered</extracomment>
        <translation>own, %1</translation>
    </message>
    <message>
        <source>Divisa propia: 1 EUR = %1 %2, introducida el %3</source>
        <extracomment>%1 the rate, %2 the currency&apos;s code, %3 the date it was entered (&quot;9 de diciembre de 2026&quot;)</extracomment>
        <translation>Currency of your own: 1 EUR = %1 %2, entered on %3</translation>
    </message>
    <message>
        <source>El importe es demasiado grande para una de las divisas: se ha dejado vacía.</source>
        <translation>The amount is too large for one of the currencies: it has been left empty.</translation>
    </message>
    <message>
        <source>El importe es demasiado grande para %1 divisas: se han dejado vacías.</source>
        <translation>The amount is too large for %1 currencies: they have been left empty.</translation>
    </message>
    <message>
        <source>descarga rechazada: %1</source>
        <translation>download refused: %1</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1</source>
        <comment>a date with its weekday</comment>
        <extracomment>%1 the date with its weekday (&quot;viernes 30 de diciembre de 2022&quot;)</extracomment>
        <translation>ECB reference rates of %1</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1 (el %2 no hubo publicación)</source>
        <extracomment>%1 the date of the rates with its weekday (&quot;viernes 30 de diciembre de 2022&quot;); %2 the day chosen: &quot;31&quot; when in the same month, &quot;1 de enero&quot; in the same year, else the whole date</extracomment>
        <translation>ECB reference rates of %1 (no publication on %2)</translation>
    </message>
    <message>
        <source>Sin tipos de cambio del BCE</source>
        <translation>No ECB exchange rates</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1 (hace %2 días)</source>
        <extracomment>%1 the date of the rates (&quot;4 de diciembre de 2026&quot;); %2 how many days ago, more than 7</extracomment>
        <translation>ECB reference rates of %1 (%2 days ago)</translation>
    </message>
    <message>
        <source>Tipos de referencia del BCE del %1</source>
        <extracomment>%1 the date of the rates (&quot;4 de diciembre de 2026&quot;)</extracomment>
        <translation>ECB reference rates of %1</translation>
    </message>
    <message>
        <source>Tipos del BCE del %1</source>
        <extracomment>under the desktop search&apos;s answers; %1 the date of the rates (&quot;4 de diciembre de 2026&quot;)</extracomment>
        <translation>ECB rates of %1</translation>
    </message>
    <message>
        <source>actualizando...</source>
        <translation>updating...</translation>
    </message>
    <message>
        <source>cargando los tipos de otros días...</source>
        <translation>loading the rates of other days...</translation>
    </message>
    <message>
        <source>Pulse «Actualizar» o use Divisas &gt; Conversor &quot;on-line&quot;</source>
        <extracomment>«Actualizar» is this window&apos;s button; Divisas &gt; Conversor &quot;on-line&quot; the main menu&apos;s item</extracomment>
        <translation>Press “Update” or use Currencies &gt; Online converter</translation>
    </message>
    <message>
        <source>no hay tipos de días futuros</source>
        <translation>there are no rates for days to come</translation>
    </message>
    <message>
        <source>no hay tipos del BCE antes del 4 de enero de 1999</source>
        <translation>there are no ECB rates before 4 January 1999</translation>
    </message>
    <message>
        <source>el histórico no tiene ese día</source>
        <translation>the history does not have that day</translation>
    </message>
    <message>
        <source>Ya tiene %1 divisas propias, las que caben. Quite alguna («Modificar divisa...») para añadir otra.</source>
        <translation>You already have %1 currencies of your own, as many as there is room for. Remove one (“Edit currency...”) to add another.</translation>
    </message>
</context>
<context>
    <name>TFormEnergia</name>
    <message>
        <source>Coulomb.Volt</source>
        <extracomment>coulomb times volt; a dot joins the units of a product in this window</extracomment>
        <translation>Coulomb.Volt</translation>
    </message>
    <message>
        <source>ergio</source>
        <extracomment>the erg</extracomment>
        <translation>erg</translation>
    </message>
    <message>
        <source>kwatt.hora</source>
        <extracomment>kilowatt-hour</extracomment>
        <translation>kwatt.hour</translation>
    </message>
    <message>
        <source>Watt.hora</source>
        <translation>Watt.hour</translation>
    </message>
    <message>
        <source>electrón.Volt</source>
        <translation>electron.Volt</translation>
    </message>
    <message>
        <source>Mega eV</source>
        <extracomment>mega-electronvolt</extracomment>
        <translation>Mega eV</translation>
    </message>
    <message>
        <source>Rydberg</source>
        <translation>Rydberg</translation>
    </message>
    <message>
        <source>Newton.metro</source>
        <translation>Newton.metre</translation>
    </message>
    <message>
        <source>kg.m</source>
        <extracomment>kilogram-force metre</extracomment>
        <translation>kg.m</translation>
    </message>
    <message>
        <source>HP.hora</source>
        <extracomment>horsepower-hour</extracomment>
        <translation>HP.hour</translation>
    </message>
    <message>
        <source>HP.hora (métr)</source>
        <extracomment>metric horsepower-hour</extracomment>
        <translation>HP.hour (metr)</translation>
    </message>
    <message>
        <source>libra.pie</source>
        <extracomment>foot-pound (force)</extracomment>
        <translation>pound.foot</translation>
    </message>
    <message>
        <source>libra.pulgada</source>
        <translation>pound.inch</translation>
    </message>
    <message>
        <source>atm.cm</source>
        <extracomment>a raised 3 follows: atmosphere times cubic centimetre</extracomment>
        <translation>atm.cm</translation>
    </message>
    <message>
        <source>atm.pie</source>
        <extracomment>a raised 3 follows: atmosphere times cubic foot</extracomment>
        <translation>atm.ft</translation>
    </message>
    <message>
        <source>caloría (15 C)</source>
        <extracomment>the 15 °C calorie</extracomment>
        <translation>calorie (15 C)</translation>
    </message>
    <message>
        <source>kilocal (15 C)</source>
        <translation>kilocal (15 C)</translation>
    </message>
    <message>
        <source>BTU (ISO)</source>
        <translation>BTU (ISO)</translation>
    </message>
    <message>
        <source>therm (EEG)</source>
        <extracomment>the therm of the European Economic Community (EEG, its German abbreviation)</extracomment>
        <translation>therm (EEC)</translation>
    </message>
    <message>
        <source>therm (US)</source>
        <translation>therm (US)</translation>
    </message>
    <message>
        <source>Celsius</source>
        <extracomment>the Celsius heat unit (1899.18 J), not the temperature scale</extracomment>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>bboe</source>
        <extracomment>symbol of the barrel of oil equivalent</extracomment>
        <translation>boe</translation>
    </message>
    <message>
        <source>barril de petróleo equivalente</source>
        <translation>barrel of oil equivalent</translation>
    </message>
    <message>
        <source>toe</source>
        <extracomment>symbol of the tonne of oil equivalent</extracomment>
        <translation>toe</translation>
    </message>
    <message>
        <source>tonelada de petróleo equivalente</source>
        <translation>tonne of oil equivalent</translation>
    </message>
    <message>
        <source>tce</source>
        <extracomment>symbol of the tonne of coal equivalent</extracomment>
        <translation>tce</translation>
    </message>
    <message>
        <source>tonelada de carbón equivalente</source>
        <translation>tonne of coal equivalent</translation>
    </message>
    <message>
        <source>ton TNT equiv.</source>
        <extracomment>ton of TNT equivalent</extracomment>
        <translation>ton TNT equiv.</translation>
    </message>
    <message>
        <source>acción</source>
        <extracomment>an atomic unit of energy, 4.35975E-18 J</extracomment>
        <translation>action</translation>
    </message>
    <message>
        <source>gramo masa</source>
        <extracomment>the energy of one gram of mass</extracomment>
        <translation>gram mass</translation>
    </message>
    <message>
        <source>según E=mC^2</source>
        <extracomment>tooltip of the gram of mass (the formula stays as it is)</extracomment>
        <translation>according to E=mC^2</translation>
    </message>
    <message>
        <source>quad</source>
        <extracomment>the quad, 1E15 BTU</extracomment>
        <translation>quad</translation>
    </message>
    <message>
        <source>cuadrillón (1E15 BTU)</source>
        <extracomment>tooltip of the quad: 1E15 BTU</extracomment>
        <translation>quadrillion (1E15 BTU)</translation>
    </message>
    <message>
        <source>Unidades de energía - trabajo - cant. de calor</source>
        <extracomment>the window&apos;s title: units of energy, work and quantity of heat</extracomment>
        <translation>Units of energy - work - quantity of heat</translation>
    </message>
    <message>
        <source>Joule</source>
        <extracomment>the joule, the window&apos;s base unit</extracomment>
        <translation>Joule</translation>
    </message>
    <message>
        <source>¿Dónde quieres llegar hoy...?</source>
        <extracomment>a number too large was typed: &quot;how far do you want to go today...?&quot;</extracomment>
        <translation>How far do you want to go today...?</translation>
    </message>
    <message>
        <source>No será mucho...?</source>
        <extracomment>caption of a warning box: &quot;isn&apos;t that a bit much...?&quot;</extracomment>
        <translation>Isn&apos;t that a bit much...?</translation>
    </message>
</context>
<context>
    <name>TFormGraf</name>
    <message>
        <source>punto</source>
        <translation>point</translation>
    </message>
    <message>
        <source>carácter</source>
        <translation>character</translation>
    </message>
    <message>
        <source>milímetro</source>
        <translation>millimetre</translation>
    </message>
    <message>
        <source>centímetro</source>
        <translation>centimetre</translation>
    </message>
    <message>
        <source>pulgada</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>Unidades gráficas</source>
        <translation>Graphic units</translation>
    </message>
    <message>
        <source>twip</source>
        <translation>twip</translation>
    </message>
    <message>
        <source>regla de píxeles</source>
        <translation>pixel ruler</translation>
    </message>
</context>
<context>
    <name>TFormHierros</name>
    <message>
        <source>Barras de acero</source>
        <translation>Steel bars</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Barras de acero corrugado para hormigón armado.</source>
        <translation>Corrugated steel bars for reinforced concrete.</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Sección en cm² según número de barras</source>
        <translation>Section in cm² by number of bars</translation>
    </message>
    <message>
        <source>Peso kg/m</source>
        <translation>Weight kg/m</translation>
    </message>
    <message>
        <source>Sección en cm² de %1 barra</source>
        <translation>Section in cm² of %1 bar</translation>
    </message>
    <message>
        <source>Sección en cm² de %1 barras</source>
        <translation>Section in cm² of %1 bars</translation>
    </message>
</context>
<context>
    <name>TFormLetras</name>
    <message>
        <source> Tarvel - números y letras</source>
        <translation> Tarvel - numbers in Spanish words</translation>
    </message>
    <message>
        <source>Copiar al portapapeles</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Números:</source>
        <translation>Figures:</translation>
    </message>
    <message>
        <source>Letras:</source>
        <translation>In Spanish words:</translation>
    </message>
    <message>
        <source>Otros idiomas...</source>
        <translation>Other languages...</translation>
    </message>
</context>
<context>
    <name>TFormMallas</name>
    <message>
        <source>Mallas</source>
        <translation>Meshes</translation>
    </message>
    <message>
        <source>MALLA TEÓRICA.</source>
        <translation>THEORETICAL MESH.</translation>
    </message>
    <message>
        <source>Peso por metro cuadrado y sección de acero por metro lineal de las diferentes mallas teóricas</source>
        <translation>Weight per square metre and steel section per linear metre of the theoretical meshes</translation>
    </message>
    <message>
        <source>Lado A:</source>
        <translation>Side A:</translation>
    </message>
    <message>
        <source>Diámetros:</source>
        <translation>Diameters:</translation>
    </message>
    <message>
        <source>Lado B:</source>
        <translation>Side B:</translation>
    </message>
    <message>
        <source>Sección (cm²/m)</source>
        <translation>Section (cm²/m)</translation>
    </message>
    <message>
        <source>Peso ( kg/m² )  = </source>
        <translation>Weight ( kg/m² )  = </translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFormMasa</name>
    <message>
        <source>kilogramo</source>
        <translation>kilogram</translation>
    </message>
    <message>
        <source>tonelada</source>
        <translation>tonne</translation>
    </message>
    <message>
        <source>gramo</source>
        <translation>gram</translation>
    </message>
    <message>
        <source>unidad MKpS</source>
        <extracomment>the technical unit of mass of the metre-kilopond-second system (9.80665 kg)</extracomment>
        <translation>MKpS unit</translation>
    </message>
    <message>
        <source>uma - C12</source>
        <extracomment>atomic mass unit on the carbon-12 scale (so on the oxygen-16 and hydrogen-1 scales below)</extracomment>
        <translation>amu - C12</translation>
    </message>
    <message>
        <source>uma - O16</source>
        <translation>amu - O16</translation>
    </message>
    <message>
        <source>uma - H1</source>
        <translation>amu - H1</translation>
    </message>
    <message>
        <source>avogramo</source>
        <extracomment>the avogram</extracomment>
        <translation>avogram</translation>
    </message>
    <message>
        <source>tonelada larga</source>
        <extracomment>long ton (2240 lb)</extracomment>
        <translation>long ton</translation>
    </message>
    <message>
        <source>tonelada corta</source>
        <extracomment>short ton (2000 lb)</extracomment>
        <translation>short ton</translation>
    </message>
    <message>
        <source>gross cwt</source>
        <extracomment>the long (British) hundredweight, 112 lb</extracomment>
        <translation>gross cwt</translation>
    </message>
    <message>
        <source>net cwt</source>
        <extracomment>the short (US) hundredweight, 100 lb</extracomment>
        <translation>net cwt</translation>
    </message>
    <message>
        <source>slug</source>
        <translation>slug</translation>
    </message>
    <message>
        <source>hyl</source>
        <extracomment>the hyl, the metric slug (9.80665 kg)</extracomment>
        <translation>hyl</translation>
    </message>
    <message>
        <source>lb avoird.</source>
        <extracomment>avoirdupois pound</extracomment>
        <translation>lb avoird.</translation>
    </message>
    <message>
        <source>lb apot. o troy</source>
        <extracomment>apothecaries&apos; or troy pound</extracomment>
        <translation>lb ap. or troy</translation>
    </message>
    <message>
        <source>oz apot. o troy</source>
        <extracomment>apothecaries&apos; or troy ounce</extracomment>
        <translation>oz ap. or troy</translation>
    </message>
    <message>
        <source>oz avoird.</source>
        <extracomment>avoirdupois ounce</extracomment>
        <translation>oz avoird.</translation>
    </message>
    <message>
        <source>dram apot.</source>
        <extracomment>apothecaries&apos; dram</extracomment>
        <translation>dram ap.</translation>
    </message>
    <message>
        <source>dram avoird.</source>
        <extracomment>avoirdupois dram</extracomment>
        <translation>dram avoird.</translation>
    </message>
    <message>
        <source>pennyweight</source>
        <translation>pennyweight</translation>
    </message>
    <message>
        <source>scruple apot.</source>
        <extracomment>apothecaries&apos; scruple</extracomment>
        <translation>scruple ap.</translation>
    </message>
    <message>
        <source>carat troy</source>
        <extracomment>troy carat</extracomment>
        <translation>troy carat</translation>
    </message>
    <message>
        <source>grano</source>
        <extracomment>the grain</extracomment>
        <translation>grain</translation>
    </message>
    <message>
        <source>miligramo</source>
        <translation>milligram</translation>
    </message>
    <message>
        <source>wey</source>
        <extracomment>an old British unit of weight, as are truss and stone</extracomment>
        <translation>wey</translation>
    </message>
    <message>
        <source>truss</source>
        <translation>truss</translation>
    </message>
    <message>
        <source>stone</source>
        <translation>stone</translation>
    </message>
    <message>
        <source>Unidades de masa</source>
        <translation>Mass units</translation>
    </message>
    <message>
        <source>Ohhhh!</source>
        <extracomment>caption of a box: an exclamation</extracomment>
        <translation>Ohhhh!</translation>
    </message>
    <message>
        <source>No puedo procesar este numerito...
¿probamos con otro?</source>
        <extracomment>&quot;I can&apos;t process this little number... shall we try another one?&quot;</extracomment>
        <translation>I can&apos;t process this little number...
shall we try another one?</translation>
    </message>
</context>
<context>
    <name>TFormPersonalizar</name>
    <message>
        <source>Cómo personalizar...</source>
        <translation>How to customise...</translation>
    </message>
    <message>
        <source>Atrás</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Adelante</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Guardar como...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>TFormPeso</name>
    <message>
        <source>tonelada [t]</source>
        <translation>tonne [t]</translation>
    </message>
    <message>
        <source>kilogramo [kg]</source>
        <translation>kilogram [kg]</translation>
    </message>
    <message>
        <source>miligramo [mg]</source>
        <translation>milligram [mg]</translation>
    </message>
    <message>
        <source>onza troy</source>
        <translation>troy ounce</translation>
    </message>
    <message>
        <source>libra troy</source>
        <translation>troy pound</translation>
    </message>
    <message>
        <source>libra av.[lb]</source>
        <extracomment>avoirdupois pound</extracomment>
        <translation>pound av. [lb]</translation>
    </message>
    <message>
        <source>decanewton [dN]</source>
        <extracomment>the decanewton, with the symbol the Spanish text gives it</extracomment>
        <translation>decanewton [dN]</translation>
    </message>
    <message>
        <source>Newton [N]</source>
        <translation>newton [N]</translation>
    </message>
    <message>
        <source>dina [dyn]</source>
        <translation>dyne [dyn]</translation>
    </message>
    <message>
        <source>grano [gr]</source>
        <extracomment>the grain</extracomment>
        <translation>grain [gr]</translation>
    </message>
    <message>
        <source>onza [oz]</source>
        <translation>ounce [oz]</translation>
    </message>
    <message>
        <source>arroba</source>
        <extracomment>the arroba, an old Spanish unit of weight (here 28 lb)</extracomment>
        <translation>arroba</translation>
    </message>
    <message>
        <source>quintal</source>
        <extracomment>the quintal, an old Spanish unit of weight (here 116 lb)</extracomment>
        <translation>quintal</translation>
    </message>
    <message>
        <source>tonelada corta [short ton]</source>
        <translation>short ton [sh tn]</translation>
    </message>
    <message>
        <source>tonelada larga [long ton]</source>
        <translation>long ton [long tn]</translation>
    </message>
    <message>
        <source>gramo [g]</source>
        <translation>gram [g]</translation>
    </message>
    <message>
        <source>Unidades de Peso</source>
        <extracomment>the window&apos;s title: units of weight and force</extracomment>
        <translation>Weight units</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Es un número demasiado grande para poner aquí.
Prueba con uno menor.
Gracias.</source>
        <extracomment>%1 is the number typed, between quotation marks</extracomment>
        <translation>&quot;%1&quot; is too large a number to put here.
Try a smaller one.
Thank you.</translation>
    </message>
    <message>
        <source>Muy pesado...</source>
        <extracomment>caption of a warning box: &quot;too heavy...&quot;</extracomment>
        <translation>Too heavy...</translation>
    </message>
    <message>
        <source>&quot;%1&quot;
no es un número válido.</source>
        <extracomment>%1 is the text typed, between quotation marks</extracomment>
        <translation>&quot;%1&quot;
is not a valid number.</translation>
    </message>
    <message>
        <source>Oh oh!</source>
        <extracomment>caption of an error box: an exclamation</extracomment>
        <translation>Uh-oh!</translation>
    </message>
    <message>
        <source>Es mucho...</source>
        <extracomment>caption of a warning box: &quot;that&apos;s a lot...&quot;</extracomment>
        <translation>That&apos;s a lot...</translation>
    </message>
    <message>
        <source>¿Dónde quieres llegar hoy...?</source>
        <extracomment>a number too large was typed: &quot;how far do you want to go today...?&quot;</extracomment>
        <translation>How far do you want to go today...?</translation>
    </message>
</context>
<context>
    <name>TFormPie</name>
    <message>
        <source>pie</source>
        <extracomment>the caption of the window&apos;s message boxes: the unit foot</extracomment>
        <translation>foot</translation>
    </message>
    <message>
        <source>metros</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>&apos; a m </source>
        <extracomment>a button: from feet (&apos;) to metres</extracomment>
        <translation>&apos; to m </translation>
    </message>
    <message>
        <source> m a &apos;</source>
        <extracomment>a button: from metres to feet (&apos;)</extracomment>
        <translation> m to &apos;</translation>
    </message>
    <message>
        <source>Convertir a metro</source>
        <translation>Convert to metres</translation>
    </message>
    <message>
        <source>centímetros</source>
        <translation>centimetres</translation>
    </message>
    <message>
        <source>&apos; a cm</source>
        <extracomment>a button: from feet (&apos;) to centimetres</extracomment>
        <translation>&apos; to cm</translation>
    </message>
    <message>
        <source>cm a &apos;</source>
        <extracomment>a button: from centimetres to feet (&apos;)</extracomment>
        <translation>cm to &apos;</translation>
    </message>
    <message>
        <source>Convertir a centímetro</source>
        <translation>Convert to centimetres</translation>
    </message>
    <message>
        <source>milímetros</source>
        <translation>millimetres</translation>
    </message>
    <message>
        <source>&apos; a mm</source>
        <extracomment>a button: from feet (&apos;) to millimetres</extracomment>
        <translation>&apos; to mm</translation>
    </message>
    <message>
        <source>mm a &apos;</source>
        <extracomment>a button: from millimetres to feet (&apos;)</extracomment>
        <translation>mm to &apos;</translation>
    </message>
    <message>
        <source>Convertir a milímetro</source>
        <translation>Convert to millimetres</translation>
    </message>
    <message>
        <source> Pies &lt;--&gt; centímetros</source>
        <translation> Feet &lt;--&gt; centimetres</translation>
    </message>
    <message>
        <source>Ajustar a:</source>
        <translation>Round to:</translation>
    </message>
    <message>
        <source>decimales</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>pulgada</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>Convertir a centímetros</source>
        <translation>Convert to centimetres</translation>
    </message>
    <message>
        <source>Convertir a pies</source>
        <translation>Convert to feet</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Pies</source>
        <translation>Feet</translation>
    </message>
    <message>
        <source>Pulgadas</source>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Centímetros</source>
        <translation>Centimetres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un número válido.</source>
        <translation>&quot;%1&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>%1 es demasiado para mi...</source>
        <translation>%1 is too much for me...</translation>
    </message>
    <message>
        <source>%1 son demasiados pies para convertiren pies, pulgadas y fracción.
Puede convertirlos a número decimal</source>
        <translation>%1 feet are too many to convert into feet, inches and a fraction.
You can convert them to a decimal number</translation>
    </message>
    <message>
        <source>La precisión actual es decimal.
Los botones &quot;Ant&quot; y &quot;Sig&quot; dan la medida anterior y siguiente, sólo cuando se indica la precisión como fracción de pulgada: 1/2, 1/4, 1/8, 1/16, 1/32 ó 1/64</source>
        <translation>The current precision is decimal.
The &quot;Prev&quot; and &quot;Next&quot; buttons give the previous and next measure only when the precision is a fraction of an inch: 1/2, 1/4, 1/8, 1/16, 1/32 or 1/64</translation>
    </message>
</context>
<context>
    <name>TFormPotencia</name>
    <message>
        <source>atm.cm³/hora</source>
        <extracomment>atmosphere times cubic centimetre, per hour</extracomment>
        <translation>atm.cm³/hour</translation>
    </message>
    <message>
        <source>kwatt</source>
        <extracomment>kilowatt</extracomment>
        <translation>kwatt</translation>
    </message>
    <message>
        <source>Mwatt</source>
        <extracomment>megawatt</extracomment>
        <translation>Mwatt</translation>
    </message>
    <message>
        <source>Joule/hora</source>
        <translation>Joule/hour</translation>
    </message>
    <message>
        <source>Joule/min</source>
        <translation>Joule/min</translation>
    </message>
    <message>
        <source>Joule/seg</source>
        <translation>Joule/sec</translation>
    </message>
    <message>
        <source>kg.m/hora</source>
        <extracomment>kilogram-force metre per hour</extracomment>
        <translation>kg.m/hour</translation>
    </message>
    <message>
        <source>kg.m/min</source>
        <translation>kg.m/min</translation>
    </message>
    <message>
        <source>kg.m/seg</source>
        <translation>kg.m/sec</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>HP (métrico)</source>
        <extracomment>metric horsepower</extracomment>
        <translation>HP (metric)</translation>
    </message>
    <message>
        <source>libra.pulg/hora</source>
        <extracomment>inch-pound (force) per hour</extracomment>
        <translation>pound.in/hour</translation>
    </message>
    <message>
        <source>libra.pulg/min</source>
        <translation>pound.in/min</translation>
    </message>
    <message>
        <source>libra.pulg/seg</source>
        <translation>pound.in/sec</translation>
    </message>
    <message>
        <source>libra.pie/hora</source>
        <extracomment>foot-pound (force) per hour</extracomment>
        <translation>pound.ft/hour</translation>
    </message>
    <message>
        <source>libra.pie/min</source>
        <translation>pound.ft/min</translation>
    </message>
    <message>
        <source>libra.pie/seg</source>
        <translation>pound.ft/sec</translation>
    </message>
    <message>
        <source>atm.cm³/seg</source>
        <translation>atm.cm³/sec</translation>
    </message>
    <message>
        <source>atm.cm³/min</source>
        <translation>atm.cm³/min</translation>
    </message>
    <message>
        <source>kcal/hora</source>
        <translation>kcal/hour</translation>
    </message>
    <message>
        <source>kcal/min</source>
        <translation>kcal/min</translation>
    </message>
    <message>
        <source>kcal/seg</source>
        <translation>kcal/sec</translation>
    </message>
    <message>
        <source>BTU/hora</source>
        <translation>BTU/hour</translation>
    </message>
    <message>
        <source>BTU/min</source>
        <translation>BTU/min</translation>
    </message>
    <message>
        <source>BTU/seg</source>
        <translation>BTU/sec</translation>
    </message>
    <message>
        <source>Unidades de potencia</source>
        <translation>Power units</translation>
    </message>
    <message>
        <source>watt</source>
        <extracomment>the watt, the window&apos;s base unit</extracomment>
        <translation>watt</translation>
    </message>
    <message>
        <source>Demasiada potencia... guapo</source>
        <extracomment>a number too large was typed; playful: &quot;too much power... darling&quot;</extracomment>
        <translation>Too much power... handsome</translation>
    </message>
    <message>
        <source>Vaya!</source>
        <extracomment>caption of a warning box: an exclamation</extracomment>
        <translation>Oops!</translation>
    </message>
</context>
<context>
    <name>TFormPreferencias</name>
    <message>
        <source>Preferencias</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Como cada ventana</source>
        <translation>Each window&apos;s own</translation>
    </message>
    <message>
        <source>&amp;Cifras significativas</source>
        <translation>&amp;Significant digits</translation>
    </message>
    <message>
        <source>&amp;Notación</source>
        <translation>&amp;Notation</translation>
    </message>
    <message>
        <source>Científica</source>
        <translation>Scientific</translation>
    </message>
    <message>
        <source>Ingeniería</source>
        <translation>Engineering</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Las preferencias valen hasta que se cierre Tarvel: no se pudieron guardar (%1).</source>
        <translation>The preferences hold until Tarvel is closed: they could not be saved (%1).</translation>
    </message>
</context>
<context>
    <name>TFormPrefijos</name>
    <message>
        <source>yotta [Y]</source>
        <translation>yotta [Y]</translation>
    </message>
    <message>
        <source>zetta [Z]</source>
        <translation>zetta [Z]</translation>
    </message>
    <message>
        <source>exa [E]</source>
        <translation>exa [E]</translation>
    </message>
    <message>
        <source>peta [P]</source>
        <translation>peta [P]</translation>
    </message>
    <message>
        <source>tera [T]</source>
        <translation>tera [T]</translation>
    </message>
    <message>
        <source>giga [G]</source>
        <translation>giga [G]</translation>
    </message>
    <message>
        <source>mega [M]</source>
        <translation>mega [M]</translation>
    </message>
    <message>
        <source>kilo [k]</source>
        <translation>kilo [k]</translation>
    </message>
    <message>
        <source>hecto [h]</source>
        <translation>hecto [h]</translation>
    </message>
    <message>
        <source>deca [da]</source>
        <translation>deca [da]</translation>
    </message>
    <message>
        <source>deci [d]</source>
        <translation>deci [d]</translation>
    </message>
    <message>
        <source>centi [c]</source>
        <translation>centi [c]</translation>
    </message>
    <message>
        <source>mili [m]</source>
        <translation>milli [m]</translation>
    </message>
    <message>
        <source>micro [µ]</source>
        <translation>micro [µ]</translation>
    </message>
    <message>
        <source>nano [n]</source>
        <translation>nano [n]</translation>
    </message>
    <message>
        <source>pico [p]</source>
        <translation>pico [p]</translation>
    </message>
    <message>
        <source>femto [f]</source>
        <translation>femto [f]</translation>
    </message>
    <message>
        <source>atto [a]</source>
        <translation>atto [a]</translation>
    </message>
    <message>
        <source>zepto [z]</source>
        <translation>zepto [z]</translation>
    </message>
    <message>
        <source>yocto [y]</source>
        <translation>yocto [y]</translation>
    </message>
    <message>
        <source>Prefijos</source>
        <translation>Prefixes</translation>
    </message>
    <message>
        <source>unidad</source>
        <extracomment>the bare unit, without a prefix</extracomment>
        <translation>unit</translation>
    </message>
    <message>
        <source>Se ha producido un error inesperado...
No será posible continuar con el proceso en curso.
Salga ordenadamente de todos los programas activos y reinicie el equipo.</source>
        <translation>An unexpected error has occurred...
The current process cannot continue.
Close all running programs properly and restart the computer.</translation>
    </message>
    <message>
        <source>Este número supera la capacidad de cálculo...
Inténtelo con otro más chiquito... 
Gracias...</source>
        <translation>This number is beyond what I can calculate...
Try a smaller one... 
Thanks...</translation>
    </message>
    <message>
        <source>¡Ohhh!</source>
        <translation>Ohhh!</translation>
    </message>
</context>
<context>
    <name>TFormPresion</name>
    <message>
        <source>atmósfera física [atm]</source>
        <extracomment>the standard atmosphere</extracomment>
        <translation>atmosphere [atm]</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>mili bar</source>
        <extracomment>the millibar</extracomment>
        <translation>millibar</translation>
    </message>
    <message>
        <source>pascal (pa)</source>
        <translation>pascal (pa)</translation>
    </message>
    <message>
        <source>milímetros de Hg (a 0 C)</source>
        <extracomment>millimetres of mercury at 0 °C</extracomment>
        <translation>millimetres of Hg (at 0 C)</translation>
    </message>
    <message>
        <source>metros de agua (a 4 C)</source>
        <extracomment>metres of water at 4 °C</extracomment>
        <translation>metres of water (at 4 C)</translation>
    </message>
    <message>
        <source>pulgadas de Hg (a 0 C)</source>
        <translation>inches of Hg (at 0 C)</translation>
    </message>
    <message>
        <source>pulgadas de agua (a 4 C)</source>
        <translation>inches of water (at 4 C)</translation>
    </message>
    <message>
        <source>atm métrica (kg/cm²)</source>
        <extracomment>the technical atmosphere, one kilogram-force per square centimetre</extracomment>
        <translation>metric atm (kg/cm²)</translation>
    </message>
    <message>
        <source>libra/pulgada² (psi)</source>
        <translation>pound/inch² (psi)</translation>
    </message>
    <message>
        <source>libra/pie²</source>
        <translation>pound/foot²</translation>
    </message>
    <message>
        <source>milímetros de Hg (a 15 C)</source>
        <translation>millimetres of Hg (at 15 C)</translation>
    </message>
    <message>
        <source>pulgada de París de Hg (a 0 C)</source>
        <extracomment>the old Paris inch (pouce) of mercury at 0 °C</extracomment>
        <translation>Paris inch of Hg (at 0 C)</translation>
    </message>
    <message>
        <source>hecto pascal (hpa)</source>
        <extracomment>the hectopascal, with the symbol the Spanish text gives it</extracomment>
        <translation>hectopascal (hpa)</translation>
    </message>
    <message>
        <source>kilo pascal (kpa)</source>
        <translation>kilopascal (kpa)</translation>
    </message>
    <message>
        <source>Unidades de presión</source>
        <translation>Pressure units</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no es un número válido.</source>
        <extracomment>%1 is the text typed, between quotation marks</extracomment>
        <translation>&quot;%1&quot; is not a valid number.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>caption of an error box</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Esto así no funciona...

(Sacá el dedito de ahí... gracias)</source>
        <extracomment>a number too large was typed; playful, in Rioplatense Spanish: &quot;this won&apos;t work like this... (take your little finger off there... thanks)&quot;</extracomment>
        <translation>This won&apos;t work like this...

(Take your little finger off there... thanks)</translation>
    </message>
</context>
<context>
    <name>TFormPrincipal</name>
    <message>
        <source>www.su-empresa.com</source>
        <extracomment>a made-up web address: the customer&apos;s company&apos;s site</extracomment>
        <translation>www.your-company.com</translation>
    </message>
    <message>
        <source>ventas@su-empresa.com</source>
        <extracomment>a made-up e-mail address: the customer&apos;s company&apos;s sales department</extracomment>
        <translation>sales@your-company.com</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Preferencias...</source>
        <translation>&amp;Preferences...</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Unidades de medida</source>
        <translation>Units of measurement</translation>
    </message>
    <message>
        <source>Buscar unidad...</source>
        <translation>Find unit...</translation>
    </message>
    <message>
        <source>&amp;Numeración</source>
        <translation>&amp;Numbers</translation>
    </message>
    <message>
        <source>Prefijos</source>
        <translation>Prefixes</translation>
    </message>
    <message>
        <source>Base de numeración</source>
        <translation>Number base</translation>
    </message>
    <message>
        <source>Romanos</source>
        <translation>Roman numerals</translation>
    </message>
    <message>
        <source>A letras</source>
        <translation>In words</translation>
    </message>
    <message>
        <source>&amp;Lineales</source>
        <translation>&amp;Linear</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Pulgada y fracción</source>
        <translation>Inches and fractions</translation>
    </message>
    <message>
        <source>Pies y pulgadas</source>
        <translation>Feet and inches</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <translation>Graphic units</translation>
    </message>
    <message>
        <source>Zapatos</source>
        <translation>Shoe sizes</translation>
    </message>
    <message>
        <source>&amp;Superficie</source>
        <translation>&amp;Area</translation>
    </message>
    <message>
        <source>&amp;Volumen y capacidad</source>
        <translation>&amp;Volume and capacity</translation>
    </message>
    <message>
        <source>&amp;Masa</source>
        <translation>&amp;Mass</translation>
    </message>
    <message>
        <source>&amp;Densidad</source>
        <translation>&amp;Density</translation>
    </message>
    <message>
        <source>&amp;Peso</source>
        <translation>&amp;Weight</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Sensación Térmica</source>
        <translation>Apparent temperature</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Caudal</source>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Potencia</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Ángulos planos</source>
        <translation>Plane angles</translation>
    </message>
    <message>
        <source>Iluminación</source>
        <translation>Illumination</translation>
    </message>
    <message>
        <source>Datos</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Datos Cínicos</source>
        <translation>Clinical data</translation>
    </message>
    <message>
        <source>Medidas antiguas de Andalucía</source>
        <translation>Old Andalusian measures</translation>
    </message>
    <message>
        <source>Hierros</source>
        <translation>Reinforcing steel</translation>
    </message>
    <message>
        <source>Redondos</source>
        <translation>Round bars</translation>
    </message>
    <message>
        <source>Mallas</source>
        <translation>Meshes</translation>
    </message>
    <message>
        <source>Divisas  </source>
        <translation>Currencies  </translation>
    </message>
    <message>
        <source>Tipos de cambio del BCE...</source>
        <translation>ECB exchange rates...</translation>
    </message>
    <message>
        <source>Conversor &quot;on-line&quot;</source>
        <translation>Online converter</translation>
    </message>
    <message>
        <source>Calculadora</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Cómo personalizar...</source>
        <translation>How to customise...</translation>
    </message>
    <message>
        <source>Léame</source>
        <translation>Read me</translation>
    </message>
    <message>
        <source>Acerca de...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source> - Tarvel - Unidades de pesas y medidas</source>
        <translation> - Tarvel - Weights and measures</translation>
    </message>
    <message>
        <source>Programa &quot;de cortesía&quot; para obsequiar a sus clientes!</source>
        <translation>A &quot;courtesy&quot; program to give to your customers!</translation>
    </message>
    <message>
        <source>Esta pantalla de bienvenida puede contener:</source>
        <translation>This welcome screen can hold:</translation>
    </message>
    <message>
        <source>¿Su logotipo aquí?</source>
        <translation>Your logo here?</translation>
    </message>
    <message>
        <source>• Su logotipo...</source>
        <translation>• Your logo...</translation>
    </message>
    <message>
        <source>• Dirección Web...</source>
        <translation>• Web address...</translation>
    </message>
    <message>
        <source>• Dirección de e-mail...</source>
        <translation>• E-mail address...</translation>
    </message>
    <message>
        <source>• Algún consejo comercial...</source>
        <translation>• A word of sales advice...</translation>
    </message>
    <message>
        <source>Si desea personalizar una copia de este software,</source>
        <extracomment>the first line of the invitation; the second is &quot;visite nuestra&quot; and the link after it</extracomment>
        <translation>If you would like a customised copy of this software,</translation>
    </message>
    <message>
        <source>visite nuestra</source>
        <extracomment>the second line of the invitation, before the link &quot;página en Internet&quot;</extracomment>
        <translation>visit our</translation>
    </message>
    <message>
        <source>página en Internet</source>
        <extracomment>a link to the program&apos;s web page, ending the invitation &quot;visite nuestra ...&quot;</extracomment>
        <translation>website</translation>
    </message>
    <message>
        <source>Calculadora de WIndows</source>
        <extracomment>the hint of the menu command that starts the desktop&apos;s calculator</extracomment>
        <translation>Windows Calculator</translation>
    </message>
    <message>
        <source>Abrir el Conversor</source>
        <translation>Open the Converter</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Tarvel - Conversor</source>
        <translation>Tarvel - Converter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Con un clic aquí, miles de clientes visitarán vuestro sitio en Internet!</source>
        <translation>With one click here, thousands of customers will visit your website!</translation>
    </message>
    <message>
        <source>Sitio Web</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Un clic aquí, y vuestros clientes os escribirán para acordar un nuevo contrato, enviaros felicitaciones o simplemente para recordar vuestra dirección de e-mail.</source>
        <translation>One click here, and your customers will write to you to agree a new contract, to send you their congratulations or simply to remember your e-mail address.</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>No, un clic aquí no hará nada.</source>
        <translation>No, a click here will do nothing.</translation>
    </message>
    <message>
        <source>Nada</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>El conversor se va a minimizar junto al reloj del sistema. 

¿Desea volver a ver este mensaje?</source>
        <translation>The converter is going to be minimised next to the system clock. 

Do you want to see this message again?</translation>
    </message>
    <message>
        <source>Minimizando...</source>
        <translation>Minimising...</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Del sistema</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Su logotipo</source>
        <extracomment>the large words of the picture where a customer&apos;s logo would go</extracomment>
        <translation>Your logo</translation>
    </message>
    <message>
        <source>aquí</source>
        <extracomment>the small word under &quot;Su logotipo&quot; in that picture</extracomment>
        <translation>here</translation>
    </message>
</context>
<context>
    <name>TFormRomanos</name>
    <message>
        <source>   Para facilitar la presentación, se ha adoptado la siguiente 
 convención:
   Toda letra, o sucesión, seguida por uno, dos, tres, etc., 
 paréntesis, representa su valor en miles, millones, ... lo que 
 se interpreta como una rayita sobrepuesta hasta esa letra. 
   Por ejemplo: V) = 5000;  L) = 50000;  M) = 1000000; 
 M)XX = 1000020;  LII)) = 52000000.</source>
        <translation>   To make the numerals easier to show, the following 
 convention has been adopted:
   Any letter, or run of letters, followed by one, two, three, etc., 
 parentheses stands for its value in thousands, millions, ... which 
 is read as a bar drawn over the numeral up to that letter. 
   For example: V) = 5000;  L) = 50000;  M) = 1000000; 
 M)XX = 1000020;  LII)) = 52000000.</translation>
    </message>
    <message>
        <source> Tarvel - números romanos</source>
        <translation> Tarvel - Roman numerals</translation>
    </message>
    <message>
        <source>Volver</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Convierte números arábigos (o indios) en romanos, y viceversa.</source>
        <translation>Converts Arabic (or Indian) numerals to Roman ones and back.</translation>
    </message>
    <message>
        <source>Arábigos:</source>
        <translation>Arabic:</translation>
    </message>
    <message>
        <source>Romanos:</source>
        <translation>Roman:</translation>
    </message>
    <message>
        <source>Convención</source>
        <translation>Convention</translation>
    </message>
    <message>
        <source>Se produjo un error al procesar este número.</source>
        <translation>An error occurred while processing this number.</translation>
    </message>
    <message>
        <source>%1 no es un número romano 
(o excede la capacidad de cálculo).</source>
        <translation>%1 is not a Roman numeral 
(or it is beyond what I can calculate).</translation>
    </message>
    <message>
        <source>%1
Puede copiar este número, y pegarlo en otra aplicación.</source>
        <translation>%1
You can copy this number and paste it into another application.</translation>
    </message>
</context>
<context>
    <name>TFormSup</name>
    <message>
        <source>kilómetro cuadrado [km²]</source>
        <translation>square kilometre [km²]</translation>
    </message>
    <message>
        <source>hectárea [ha]</source>
        <translation>hectare [ha]</translation>
    </message>
    <message>
        <source>área [a]</source>
        <extracomment>the are (100 square metres)</extracomment>
        <translation>are [a]</translation>
    </message>
    <message>
        <source>centiárea [ca]</source>
        <extracomment>the centiare (one square metre)</extracomment>
        <translation>centiare [ca]</translation>
    </message>
    <message>
        <source>metro cuadrado [m²]</source>
        <translation>square metre [m²]</translation>
    </message>
    <message>
        <source>centímetro cuadrado [cm²]</source>
        <translation>square centimetre [cm²]</translation>
    </message>
    <message>
        <source>pulgada cuadrada [sq.in]</source>
        <translation>square inch [sq.in]</translation>
    </message>
    <message>
        <source>pie cuadrado [sq.ft]</source>
        <translation>square foot [sq.ft]</translation>
    </message>
    <message>
        <source>yarda cuadrada [sq.yd]</source>
        <translation>square yard [sq.yd]</translation>
    </message>
    <message>
        <source>acre [A]</source>
        <translation>acre [A]</translation>
    </message>
    <message>
        <source>milla cuadrada [sq.Mi]</source>
        <translation>square mile [sq.Mi]</translation>
    </message>
    <message>
        <source>Unidades de superficie</source>
        <translation>Area units</translation>
    </message>
    <message>
        <source>%1 no es un número válido.</source>
        <extracomment>%1 is the text typed</extracomment>
        <translation>%1 is not a valid number.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>caption of an error box</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Esto así no funciona... </source>
        <extracomment>a number too large was typed: &quot;this won&apos;t work like this...&quot; (trailing blank kept)</extracomment>
        <translation>This won&apos;t work like this... </translation>
    </message>
</context>
<context>
    <name>TFormTemp</name>
    <message>
        <source>Celsius o Centígrado (C)</source>
        <translation>Celsius or centigrade (C)</translation>
    </message>
    <message>
        <source>Fahrenheit (F)</source>
        <translation>Fahrenheit (F)</translation>
    </message>
    <message>
        <source>Kelvin o Absoluta (K)</source>
        <extracomment>the Kelvin or absolute scale</extracomment>
        <translation>Kelvin or absolute (K)</translation>
    </message>
    <message>
        <source>Rankine [r]</source>
        <extracomment>the Rankine scale</extracomment>
        <translation>Rankine [r]</translation>
    </message>
    <message>
        <source>Réaumur (R)</source>
        <extracomment>the Réaumur scale</extracomment>
        <translation>Réaumur (R)</translation>
    </message>
    <message>
        <source>Unidades de temperatura</source>
        <translation>Temperature units</translation>
    </message>
</context>
<context>
    <name>TFormTiempo</name>
    <message>
        <source>segundo</source>
        <translation>second</translation>
    </message>
    <message>
        <source>minuto</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>hora</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>día</source>
        <translation>day</translation>
    </message>
    <message>
        <source>semana</source>
        <translation>week</translation>
    </message>
    <message>
        <source>mes</source>
        <extracomment>a month of 30 days</extracomment>
        <translation>month</translation>
    </message>
    <message>
        <source>año</source>
        <extracomment>a year of 365 days</extracomment>
        <translation>year</translation>
    </message>
    <message>
        <source>década</source>
        <translation>decade</translation>
    </message>
    <message>
        <source>siglo</source>
        <translation>century</translation>
    </message>
    <message>
        <source>milisegundo</source>
        <translation>millisecond</translation>
    </message>
    <message>
        <source>microsegundo</source>
        <translation>microsecond</translation>
    </message>
    <message>
        <source>nanosegundo</source>
        <translation>nanosecond</translation>
    </message>
    <message>
        <source>blink</source>
        <extracomment>a small unit of time (0.864 s), named in English like shake and wink</extracomment>
        <translation>blink</translation>
    </message>
    <message>
        <source>shake</source>
        <translation>shake</translation>
    </message>
    <message>
        <source>wink</source>
        <translation>wink</translation>
    </message>
    <message>
        <source>unidad atómica</source>
        <extracomment>the atomic unit of time</extracomment>
        <translation>atomic unit</translation>
    </message>
    <message>
        <source>elemental</source>
        <extracomment>the elemental unit of time (9.3996E-24 s)</extracomment>
        <translation>elemental</translation>
    </message>
    <message>
        <source>mes sideral</source>
        <extracomment>sidereal month</extracomment>
        <translation>sidereal month</translation>
    </message>
    <message>
        <source>mes solar medio</source>
        <translation>mean solar month</translation>
    </message>
    <message>
        <source>mes lunar</source>
        <translation>lunar month</translation>
    </message>
    <message>
        <source>año sideral</source>
        <translation>sidereal year</translation>
    </message>
    <message>
        <source>año solar medio</source>
        <translation>mean solar year</translation>
    </message>
    <message>
        <source>año Bessel astr.</source>
        <extracomment>the Besselian (astronomical) year</extracomment>
        <translation>Besselian year</translation>
    </message>
    <message>
        <source>año calendario</source>
        <extracomment>the calendar year</extracomment>
        <translation>calendar year</translation>
    </message>
    <message>
        <source>año tropical</source>
        <translation>tropical year</translation>
    </message>
    <message>
        <source>Unidades de tiempo</source>
        <translation>Time units</translation>
    </message>
    <message>
        <source>Ohhh...</source>
        <extracomment>caption of a box: an exclamation</extracomment>
        <translation>Ohhh...</translation>
    </message>
    <message>
        <source>%1 es todo un numerito!</source>
        <extracomment>%1 is the number typed: &quot;%1 is quite a number!&quot;</extracomment>
        <translation>%1 is quite a number!</translation>
    </message>
    <message>
        <source>Este valor excede la capacidad de cálculo,
lo siento</source>
        <translation>This value is beyond what can be calculated,
sorry</translation>
    </message>
</context>
<context>
    <name>TFormVel</name>
    <message>
        <source>km/hora</source>
        <translation>km/hour</translation>
    </message>
    <message>
        <source>km/seg</source>
        <translation>km/sec</translation>
    </message>
    <message>
        <source>m/seg</source>
        <translation>m/sec</translation>
    </message>
    <message>
        <source>mach</source>
        <extracomment>the Mach number as a unit of speed</extracomment>
        <translation>mach</translation>
    </message>
    <message>
        <source>velocidad de la luz</source>
        <translation>speed of light</translation>
    </message>
    <message>
        <source>milla/hora</source>
        <translation>mile/hour</translation>
    </message>
    <message>
        <source>pie/seg</source>
        <translation>foot/sec</translation>
    </message>
    <message>
        <source>nudo</source>
        <extracomment>the knot</extracomment>
        <translation>knot</translation>
    </message>
    <message>
        <source>milla/seg</source>
        <translation>mile/sec</translation>
    </message>
    <message>
        <source>Unidades de Velocidad</source>
        <translation>Speed units</translation>
    </message>
    <message>
        <source>Este número excede la capacidad de cálculo</source>
        <translation>This number is beyond what can be calculated</translation>
    </message>
</context>
<context>
    <name>TFormVol</name>
    <message>
        <source>metro cúbico [m</source>
        <extracomment>a raised 3 and &quot;]&quot; follow: cubic metre [m³] (so for the cubic decimetre and centimetre)</extracomment>
        <translation>cubic metre [m</translation>
    </message>
    <message>
        <source>decímetro cúbico [dm</source>
        <translation>cubic decimetre [dm</translation>
    </message>
    <message>
        <source>centímetro cúbico [cm</source>
        <translation>cubic centimetre [cm</translation>
    </message>
    <message>
        <source>hectolitro[hl]</source>
        <translation>hectolitre [hl]</translation>
    </message>
    <message>
        <source>litro [l]</source>
        <translation>litre [l]</translation>
    </message>
    <message>
        <source>pulgada cúbica [cu.in]</source>
        <translation>cubic inch [cu.in]</translation>
    </message>
    <message>
        <source>pie cuadrado-pulgada</source>
        <extracomment>one square foot one inch thick (144 cubic inches), the board foot</extracomment>
        <translation>board foot</translation>
    </message>
    <message>
        <source>pie cúbico [cu.ft]</source>
        <translation>cubic foot [cu.ft]</translation>
    </message>
    <message>
        <source>yarda cúbica [cu.yd]</source>
        <translation>cubic yard [cu.yd]</translation>
    </message>
    <message>
        <source>acre-pie</source>
        <translation>acre-foot</translation>
    </message>
    <message>
        <source>litro de agua a 4 °C [l]</source>
        <extracomment>the old litre, the volume of a kilogram of water at 4 °C</extracomment>
        <translation>litre of water at 4 °C [l]</translation>
    </message>
    <message>
        <source>tonelada de registro</source>
        <extracomment>the register ton (100 cubic feet)</extracomment>
        <translation>register ton</translation>
    </message>
    <message>
        <source>tonelada marina</source>
        <extracomment>the shipping (freight) ton (40 cubic feet)</extracomment>
        <translation>shipping ton</translation>
    </message>
    <message>
        <source>pinta [pt]</source>
        <translation>pint [pt]</translation>
    </message>
    <message>
        <source>cuarto [qt]</source>
        <translation>quart [qt]</translation>
    </message>
    <message>
        <source>galón imperial [gal]</source>
        <translation>imperial gallon [gal]</translation>
    </message>
    <message>
        <source>barril (petróleo)</source>
        <translation>barrel (oil)</translation>
    </message>
    <message>
        <source>galón líquidos [gal]</source>
        <extracomment>the US liquid gallon</extracomment>
        <translation>liquid gallon [gal]</translation>
    </message>
    <message>
        <source>onza [fl oz]</source>
        <translation>ounce [fl oz]</translation>
    </message>
    <message>
        <source>dram [fl dr]</source>
        <translation>dram [fl dr]</translation>
    </message>
    <message>
        <source>bushel [bu]</source>
        <translation>bushel [bu]</translation>
    </message>
    <message>
        <source>galón áridos [gal]</source>
        <extracomment>the US dry gallon</extracomment>
        <translation>dry gallon [gal]</translation>
    </message>
    <message>
        <source>G.B.</source>
        <extracomment>heading of the British (imperial) units</extracomment>
        <translation>UK</translation>
    </message>
    <message>
        <source>EE.UU.</source>
        <extracomment>heading of the United States units</extracomment>
        <translation>US</translation>
    </message>
    <message>
        <source>Unidades de volumen y capacidad</source>
        <translation>Volume and capacity units</translation>
    </message>
    <message>
        <source>equival. anterior a 1964</source>
        <extracomment>tooltip of the litre of water: its definition before 1964</extracomment>
        <translation>equiv. before 1964</translation>
    </message>
    <message>
        <source>litro de agua a 4 ºC</source>
        <translation>litre of water at 4 °C</translation>
    </message>
    <message>
        <source>register ton</source>
        <extracomment>the English name of the register ton</extracomment>
        <translation>register ton</translation>
    </message>
</context>
<context>
    <name>WebView</name>
    <message>
        <source>Página web completa (*.html *.htm);;Página web, sólo HTML (*.html *.htm)</source>
        <extracomment>the save dialog&apos;s two kinds of file, separated by &quot;;;&quot;, each with its patterns</extracomment>
        <translation>Web page, complete (*.html *.htm);;Web page, HTML only (*.html *.htm)</translation>
    </message>
    <message>
        <source>No se ha podido cargar la página</source>
        <translation>The page could not be loaded</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; no ha respondido en %2 segundos. Puede que el equipo no tenga conexión a la red o que el servidor no esté disponible.</source>
        <extracomment>%1 is the page&apos;s address, %2 how many seconds the view waited</extracomment>
        <translation>&lt;b&gt;%1&lt;/b&gt; did not answer within %2 seconds. The computer may have no network connection, or the server may be unavailable.</translation>
    </message>
    <message>
        <source>Volver a intentarlo</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>es</source>
        <extracomment>the language of this translation, as an HTML language code (en, ca...)</extracomment>
        <translation>en</translation>
    </message>
</context>
</TS>
