#include "systemy_qt/results_page_widget.hpp"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "systemy/results_page.hpp"

namespace kulko {

BoundPageWidget* MakeResultsPageWidget(ResultsPage& page, PageBinder::RunHandler run) {
    auto* widget = new BoundPageWidget(std::move(run));
    widget->setObjectName(QStringLiteral("wynikiStrona"));
    PageBinder& b = *widget->binder;
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(b.Label("ostatnie", page.ostatnie, "Ostatnie losowanie w historii"));

    auto* sourceRow = new QHBoxLayout;
    auto* sourceLabel = new QLabel(QStringLiteral("Plik albo adres z wynikami:"));
    QLineEdit* source = b.Edit("zrodlo", page.zrodlo, "Plik albo adres z wynikami");
    source->setPlaceholderText(QStringLiteral("plik z wynikami albo https://…"));
    source->setToolTip(QStringLiteral(
        "Lista losowań w pliku (tekst, arkusz zapisany jako CSV) albo adres strony z listą, "
        "zaczynający się od http:// lub https://. Zapamiętany do następnego razu."));
    sourceLabel->setBuddy(source);
    auto* choose = new QPushButton(QStringLiteral("Wybierz plik…"));
    choose->setObjectName(QStringLiteral("wybierzPlik"));
    QObject::connect(choose, &QPushButton::clicked, widget, [widget, source, &page] {
        QString start = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (start.isEmpty() || !QDir(start).exists()) {
            start = QDir::homePath();
        }
        QFileDialog dialog(widget, QStringLiteral("Plik z wynikami"), start);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            page.zrodlo.text = dialog.selectedFiles().front().toStdString();
            source->setText(dialog.selectedFiles().front());
        }
    });
    sourceRow->addWidget(sourceLabel);
    sourceRow->addWidget(source, 1);
    sourceRow->addWidget(choose);
    layout->addLayout(sourceRow);

    auto* actions = new QHBoxLayout;
    QPushButton* preview = b.Push("pokaz", page.pokaz, [&page] { page.PokazClick(); });
    preview->setToolTip(
        QStringLiteral("Pokazuje, które losowania zostałyby dodane, niczego nie zmieniając."));
    QPushButton* add = b.Push("dodaj", page.dodaj, [&page] { page.DodajClick(); });
    add->setToolTip(QStringLiteral(
        "Dodaje nowe losowania do historii; poprzednia historia zostaje obok jako kopia."));
    actions->addWidget(preview);
    actions->addWidget(add);
    actions->addWidget(b.Progress("postep", page.postep), 1);
    actions->addWidget(b.Push("przerwij", page.przerwij, [&page] { page.PrzerwijClick(); }));
    actions->addStretch(1);
    layout->addLayout(actions);
    layout->addWidget(b.Label("stan", page.stan, "Stan"));

    auto* report = new QPlainTextEdit;
    report->setObjectName(QStringLiteral("raport"));
    report->setReadOnly(true);
    report->setPlaceholderText(QStringLiteral(
        "Podaj plik albo adres z wynikami i naciśnij „Pokaż, co przybędzie”: tu pojawią się "
        "losowania, które zostałyby dodane. „Dodaj do historii” dodaje je naprawdę."));
    Speak(report, QStringLiteral("Co przyniósł odczyt wyników"));
    layout->addWidget(report, 1);
    auto revision = std::make_shared<std::uint64_t>(0);
    b.Also([report, revision, &page] {
        if (*revision != page.raport.revision) {
            *revision = page.raport.revision;
            QStringList lines;
            for (const std::string& line : page.raport.all) {
                lines.append(Q(line));
            }
            report->setPlainText(lines.join(QLatin1Char('\n')));
        }
    });
    widget->Sync();
    return widget;
}

}  // namespace kulko
