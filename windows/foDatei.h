// The file dialog: a file of points converted by kartovex-konvert, which
// runs as a process of its own while the dialog shows its progress.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

class foDatei : public QDialog {
    Q_OBJECT
public:
    // eingabe: the file to convert (may be empty: the user picks one).
    explicit foDatei(const QString& eingabe, QWidget* eltern = nullptr);
    ~foDatei() override;

    // The converter program; found next to the program or on PATH when empty.
    static inline QString konvertProgramm;
    // Opens a folder in the desktop's file manager (replaceable for tests).
    static inline std::function<void(const QString&)> oeffneOrdner;

    void setzeEingabe(const QString& datei);
    bool laeuft() const;

public slots:
    void comEingabe_Click();
    void comAusgabe_Click();
    void comUmrechnen_Click();
    void comAbbrechen_Click();
    void comOrdner_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void fertig(int code, QProcess::ExitStatus status);
    void liesMeldungen();
    void setzeLaufend(bool laufend);
    void ausgabeVorgabe();

    QLineEdit* texEingabe;
    QLabel* labEingabeart;
    QComboBox* cboFormat;
    QLineEdit* texEbene;
    QLineEdit* texAusgabe;
    QRadioButton* optGpkg;
    QRadioButton* optCsv;
    QPushButton* comUmrechnen;
    QPushButton* comAbbrechen;
    QPushButton* comOrdner;
    QProgressBar* prgFortschritt;
    QLabel* labFortschritt;
    QLabel* labErgebnis;

    QProcess* prozess = nullptr;
    QElapsedTimer uhr;
    QString ausgabe;
    bool csvAusgabe = false, abgebrochen = false;
    std::string rest; // an incomplete line of standard error
    std::vector<std::string> ersteMeldungen;
    std::uint64_t gerechnet = 0, mitMeldung = 0;
    bool ergebnisDa = false;
    QString sonstige; // other lines: the program's own faults
};
