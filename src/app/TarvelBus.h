#pragma once
// The running Tarvel's own interface on the session bus, through which the desktops' search
// providers hand it what the user chose: a unit (with a quantity's number) or a search. The
// program has no command line options; this is how other programs ask it for something.

#include <QDBusAbstractAdaptor>
#include <QString>

class TFormPrincipal;

inline constexpr const char* kTarvelService = "org.example.Tarvel";
inline constexpr const char* kTarvelPath = "/org/example/Tarvel";
inline constexpr const char* kTarvelInterface = "org.example.Tarvel";

class TarvelBusAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.example.Tarvel")

 public:
  explicit TarvelBusAdaptor(TFormPrincipal* main);

 public slots:
  // The unit at that place of the unit index, with the number typed into it (may be empty).
  void OpenUnit(int position, const QString& number);
  // The search window with the terms typed.
  void Search(const QString& terms);
  // The main window brought forward.
  void Raise();

 private:
  TFormPrincipal* main_;
};

// A second start of the program: when a Tarvel already runs on the desktop's session bus, asks
// it to come forward and says so (this one then ends); false when there is none.
bool HandOverToRunningTarvel();

// Offers the interface on the desktop's session bus, when there is one and no other Tarvel
// has it.
void OfferTarvelOnTheBus(TFormPrincipal* main);
