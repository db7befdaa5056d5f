// The window as designed: every control with its position, caption, hint
// and look. Positions are left, top, width, height relative to the parent.
#include <utility>

#include "app/tgenerator.hpp"
#include "update/program_version.hpp"

namespace kulko {
namespace {

using K = ControlKind;

}  // namespace

std::string Tgenerator::DefaultUpdateHost() {
#ifdef KULKO_UPDATE_HOST
    return KULKO_UPDATE_HOST;
#else
    return {};
#endif
}

Tgenerator::Tgenerator(std::filesystem::path workDir, Screen& screen, System& system,
                       std::string updateHost)
    : Label12("Label12", K::Label, nullptr, {8, 14, 140, 14}),
      Label23("Label23", K::Label, nullptr, {152, 14, 200, 14}),
      Label25("Label25", K::Label, nullptr, {357, 14, 225, 14}),
      Label24("Label24", K::Label, nullptr, {588, 14, 320, 14}),
      Label2("Label2", K::Label, nullptr, {912, 14, 78, 14}, "© Kulko"),
      Bevel2("Bevel2", K::Bevel, nullptr, {8, 40, 763, 345}),
      Bevel1("Bevel1", K::Bevel, nullptr, {777, 40, 212, 189}),
      Label4("Label4", K::Label, nullptr, {785, 48, 200, 14}, "Aktualna baza numerów zawiera...."),
      Label7("Label7", K::Label, nullptr, {785, 66, 200, 14}, "Data"),
      Label5("Label5", K::Label, nullptr, {785, 84, 200, 14}, "Wartość max..."),
      Label6("Label6", K::Label, nullptr, {785, 102, 200, 14}, "Min"),
      Label8("Label8", K::Label, nullptr, {785, 120, 200, 14}, "2 w kolejności"),
      Label9("Label9", K::Label, nullptr, {785, 138, 200, 14}, "3 w kolejności"),
      Label10("Label10", K::Label, nullptr, {785, 156, 200, 14}, "Same parzyste"),
      Label11("Label11", K::Label, nullptr, {785, 174, 200, 14}, "Same nieparzyste"),
      Label16("Label16", K::Label, nullptr, {785, 192, 200, 14}, "Liczby niskie ( <25)"),
      Label17("Label17", K::Label, nullptr, {785, 210, 200, 14}, "Liczby wysokie (>=25)"),
      Image1("Image1", K::Image, nullptr, {828, 261, 133, 93}),
      Label1("Label1", K::Label, nullptr, {14, 509, 140, 14}),
      Label14("Label14", K::Label, nullptr, {164, 509, 140, 14}, "Wpisz liczby do sprawdzenia"),
      Label13("Label13", K::Label, nullptr, {305, 509, 60, 14}, "Np 2;3;4..."),
      wyniki_losowan("wyniki_losowan", K::Edit, nullptr, {164, 528, 194, 22}),
      SpeedButton5("SpeedButton5", K::Button, nullptr, {8, 528, 137, 22}, "Czyść pamięć"),
      SpeedButton6("SpeedButton6", K::Button, nullptr, {8, 556, 137, 22}, "Do pamięci"),
      SpeedButton7("SpeedButton7", K::Button, nullptr, {8, 584, 137, 22}, "Z pamięci"),
      SpeedButton8("SpeedButton8", K::Button, nullptr, {164, 583, 78, 22}, "Sprawdź"),
      SpeedButton9("SpeedButton9", K::Button, nullptr, {256, 583, 102, 22}, "Szukaj"),
      Bevel3("Bevel3", K::Bevel, nullptr, {608, 541, 377, 1}),
      SpeedButton12("SpeedButton12", K::Button, nullptr, {606, 548, 58, 51}, "Ustaw"),
      SpeedButton10("SpeedButton10", K::Button, nullptr, {669, 548, 58, 51}, "Finanse"),
      SpeedButton2("SpeedButton2", K::Button, nullptr, {732, 548, 58, 51}, "Losuj"),
      SpeedButton4("SpeedButton4", K::Button, nullptr, {796, 548, 58, 51}, "Baza"),
      SpeedButton3("SpeedButton3", K::Button, nullptr, {860, 548, 58, 51}, "Częstość"),
      SpeedButton1("SpeedButton1", K::Button, nullptr, {928, 548, 58, 51}, "Koniec"),
      GroupBox1("GroupBox1", K::GroupBox, nullptr, {377, 391, 153, 102}, "Tryby losowania"),
      los1("los1", K::RadioButton, &GroupBox1, {10, 18, 135, 17}, "normalny"),
      los2("los2", K::RadioButton, &GroupBox1, {10, 38, 135, 17}, "bez 6"),
      los3("los3", K::RadioButton, &GroupBox1, {10, 58, 135, 17}, "bez 5"),
      los4("los4", K::RadioButton, &GroupBox1, {10, 78, 135, 17}, "bez 4"),
      GroupBox3("GroupBox3", K::GroupBox, nullptr, {536, 391, 147, 102}, "Warunki"),
      w1("w1", K::RadioButton, &GroupBox3, {10, 16, 132, 17}, "dowolny"),
      w2("w2", K::RadioButton, &GroupBox3, {10, 33, 132, 17}, "bez 2 w kolejności"),
      w3("w3", K::RadioButton, &GroupBox3, {10, 50, 132, 17}, "bez 3 w kolejności"),
      w4("w4", K::RadioButton, &GroupBox3, {10, 67, 132, 17}, "tylko parzyste"),
      w5("w5", K::RadioButton, &GroupBox3, {10, 84, 132, 17}, "tylko nieparzyste"),
      GroupBox2("GroupBox2", K::GroupBox, nullptr, {689, 391, 149, 131}, "Wymuszenia"),
      los7("los7", K::RadioButton, &GroupBox2, {10, 16, 134, 17}, "bez"),
      los6("los6", K::RadioButton, &GroupBox2, {10, 36, 134, 17}, "z jedną liczbą max"),
      los8("los8", K::RadioButton, &GroupBox2, {10, 56, 134, 17}, "z jedną liczbą min"),
      los9("los9", K::RadioButton, &GroupBox2, {10, 76, 134, 17}, "6 liczb minimalnych"),
      los5("los5", K::RadioButton, &GroupBox2, {10, 100, 72, 17}, "z liczbą"),
      liczby("liczby", K::ComboBox, &GroupBox2, {84, 98, 56, 21}),
      GroupBox4("GroupBox4", K::GroupBox, nullptr, {844, 391, 141, 131}, "Ostatnie losowanie"),
      os1("os1", K::RadioButton, &GroupBox4, {8, 16, 128, 17}, "nie uwzględniaj"),
      os2("os2", K::RadioButton, &GroupBox4, {8, 33, 128, 17}, "nie dopuść dwójki"),
      os3("os3", K::RadioButton, &GroupBox4, {8, 50, 128, 17}, "nie dpuść trójki"),
      os4("os4", K::CheckBox, &GroupBox4, {8, 69, 128, 17}, "nie, jeżeli już była"),
      Label15("Label15", K::Label, &GroupBox4, {8, 102, 70, 14}, "Z ilu losowań"),
      ile_los("ile_los", K::ComboBox, &GroupBox4, {80, 98, 54, 21}),
      GroupBox5("GroupBox5", K::GroupBox, nullptr, {377, 500, 153, 105}, "Przewaga"),
      prz1("prz1", K::RadioButton, &GroupBox5, {10, 18, 138, 17}, "nie uwzględniaj"),
      prz2("prz2", K::RadioButton, &GroupBox5, {10, 38, 138, 17}, "jak w statystyce"),
      prz3("prz3", K::RadioButton, &GroupBox5, {10, 58, 138, 17}, "przewaga niskich"),
      prz4("prz4", K::RadioButton, &GroupBox5, {10, 78, 138, 17}, "przewaga wysokich"),
      Panel1("Panel1", K::Panel, nullptr, {8, 407, 350, 86}),
      Label3("Label3", K::Label, &Panel1, {12, 68, 200, 14}, "0"),
      lista("lista", K::ComboBox, &Panel1, {12, 4, 329, 21}),
      Panel2("Panel2", K::Panel, nullptr, {8, 40, 981, 563}),
      Label18("Label18", K::Label, &Panel2, {16, 10, 300, 20}, "Rozliczenie finansów"),
      label19("label19", K::Label, &Panel2, {16, 40, 200, 16}, "Wydatki"),
      wydatki("wydatki", K::StringGrid, &Panel2, {16, 58, 385, 440}),
      Label20("Label20", K::Label, &Panel2, {416, 40, 200, 16}, "Przychody"),
      przychody("przychody", K::StringGrid, &Panel2, {416, 58, 385, 440}),
      Label21("Label21", K::Label, &Panel2, {16, 508, 385, 16}, "Razem wydatki"),
      Label22("Label22", K::Label, &Panel2, {416, 508, 385, 16}, "Razem przychody"),
      Image2("Image2", K::Image, &Panel2, {820, 120, 140, 140}),
      SpeedButton11("SpeedButton11", K::Button, &Panel2, {868, 520, 96, 30}, "Powrót"),
      Panel4("Panel4", K::Panel, nullptr, {218, 122, 301, 182}),
      Memo2("Memo2", K::Memo, &Panel4, {8, 8, 285, 128}),
      BitBtn3("BitBtn3", K::Button, &Panel4, {110, 144, 82, 28}, "Zamknij"),
      Panel3("Panel3", K::Panel, nullptr, {218, 122, 425, 279}),
      Memo1("Memo1", K::Memo, &Panel3, {8, 8, 409, 28}),
      GroupBox6("GroupBox6", K::GroupBox, &Panel3, {8, 44, 200, 56}, "Aktualizacja baz danych"),
      akt1("akt1", K::RadioButton, &GroupBox6, {16, 24, 60, 17}, "Tak"),
      akt2("akt2", K::RadioButton, &GroupBox6, {100, 24, 60, 17}, "Nie"),
      GroupBox7("GroupBox7", K::GroupBox, &Panel3, {8, 108, 200, 56}, "Aktualizacja programu"),
      akt3("akt3", K::RadioButton, &GroupBox7, {16, 24, 60, 17}, "Tak"),
      akt4("akt4", K::RadioButton, &GroupBox7, {100, 24, 60, 17}, "Nie"),
      GroupBox8("GroupBox8", K::GroupBox, &Panel3, {8, 172, 200, 56}, "Kontrola baz danych"),
      kontrola1("kontrola1", K::RadioButton, &GroupBox8, {16, 24, 60, 17}, "Tak"),
      kontrola2("kontrola2", K::RadioButton, &GroupBox8, {100, 24, 60, 17}, "Nie"),
      BitBtn4("BitBtn4", K::Button, &Panel3, {224, 52, 192, 30}, "Renumeracja bazy"),
      BitBtn1("BitBtn1", K::Button, &Panel3, {224, 238, 94, 30}, "Zastosuj"),
      BitBtn2("BitBtn2", K::Button, &Panel3, {322, 238, 94, 30}, "Zamknij okno"),
      Panel5("Panel5", K::Panel, nullptr, {8, 407, 350, 115}),
      obraz1("obraz1", K::Image, &Panel5, {26, 25, 50, 50}),
      obraz2("obraz2", K::Image, &Panel5, {75, 25, 50, 50}),
      obraz3("obraz3", K::Image, &Panel5, {124, 25, 50, 50}),
      obraz4("obraz4", K::Image, &Panel5, {174, 25, 50, 50}),
      obraz5("obraz5", K::Image, &Panel5, {222, 25, 50, 50}),
      obraz6("obraz6", K::Image, &Panel5, {272, 25, 50, 50}),
      Label26("Label26", K::Label, &Panel5, {100, 84, 200, 20}, "Wylosowane liczby"),
      panel6("panel6", K::Panel, nullptr, {8, 40, 981, 565}),
      ListBox1("ListBox1", K::ListBox, &panel6, {16, 12, 529, 537}),
      Label27("Label27", K::Label, &panel6, {691, 138, 280, 20}),
      Image3("Image3", K::Image, &panel6, {638, 233, 305, 189}),
      BitBtn5("BitBtn5", K::Button, &panel6, {868, 532, 96, 26}, "Powrót"),
      workDir_(std::move(workDir)),
      screen_(screen),
      system_(system),
      updateHost_(std::move(updateHost)) {
    controls_ = {&Label12,
                 &Label23,
                 &Label25,
                 &Label24,
                 &Label2,
                 &Bevel2,
                 &Bevel1,
                 &Label4,
                 &Label7,
                 &Label5,
                 &Label6,
                 &Label8,
                 &Label9,
                 &Label10,
                 &Label11,
                 &Label16,
                 &Label17,
                 &Image1,
                 &Label1,
                 &Label14,
                 &Label13,
                 &wyniki_losowan,
                 &SpeedButton5,
                 &SpeedButton6,
                 &SpeedButton7,
                 &SpeedButton8,
                 &SpeedButton9,
                 &Bevel3,
                 &SpeedButton12,
                 &SpeedButton10,
                 &SpeedButton2,
                 &SpeedButton4,
                 &SpeedButton3,
                 &SpeedButton1,
                 &GroupBox1,
                 &los1,
                 &los2,
                 &los3,
                 &los4,
                 &GroupBox3,
                 &w1,
                 &w2,
                 &w3,
                 &w4,
                 &w5,
                 &GroupBox2,
                 &los7,
                 &los6,
                 &los8,
                 &los9,
                 &los5,
                 &liczby,
                 &GroupBox4,
                 &os1,
                 &os2,
                 &os3,
                 &os4,
                 &Label15,
                 &ile_los,
                 &GroupBox5,
                 &prz1,
                 &prz2,
                 &prz3,
                 &prz4,
                 &Panel1,
                 &Label3,
                 &lista,
                 &Panel2,
                 &Label18,
                 &label19,
                 &wydatki,
                 &Label20,
                 &przychody,
                 &Label21,
                 &Label22,
                 &Image2,
                 &SpeedButton11,
                 &Panel4,
                 &Memo2,
                 &BitBtn3,
                 &Panel3,
                 &Memo1,
                 &GroupBox6,
                 &akt1,
                 &akt2,
                 &GroupBox7,
                 &akt3,
                 &akt4,
                 &GroupBox8,
                 &kontrola1,
                 &kontrola2,
                 &BitBtn4,
                 &BitBtn1,
                 &BitBtn2,
                 &Panel5,
                 &obraz1,
                 &obraz2,
                 &obraz3,
                 &obraz4,
                 &obraz5,
                 &obraz6,
                 &Label26,
                 &panel6,
                 &ListBox1,
                 &Label27,
                 &Image3,
                 &BitBtn5};

    // Look of the status row and the summary box: grey Tahoma 8 point.
    for (Control* label : {&Label12, &Label23, &Label25, &Label24, &Label4, &Label7, &Label5,
                           &Label6, &Label8, &Label9, &Label10, &Label11, &Label16, &Label17}) {
        label->font.color = colors::kGray;
    }
    Label2.font = {"Arial", 8, 0, false, false, colors::kGray};
    Label2.hint = std::string("Program dla graczy Lotto, wersja ") + kProgramVersion;

    Panel1.font = {"Arial", 16, 0, true, false, colors::kBlack};
    Panel1.background = colors::kLightGray;
    Panel1.ownBackground = true;
    lista.font = {"Courier New", 8, 0, true, false, colors::kMaroon};
    wyniki_losowan.font.bold = true;
    wyniki_losowan.font.color = colors::kNavy;

    SpeedButton5.hint = "Kasowanie pliku pamięci";
    SpeedButton6.hint = "Zapamiętanie wylosowanych liczb";
    SpeedButton7.hint = "Zawartość pamięci losowanych liczb";
    SpeedButton8.hint = "Sprawdzenie wyników zawartych w pamięci.";
    SpeedButton9.hint = "Sprawdza ile razy wpisane liczby wystąpiły w całej bazie";
    for (Control* button :
         {&SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8, &SpeedButton9, &SpeedButton10,
          &SpeedButton2, &SpeedButton4, &SpeedButton3, &SpeedButton1}) {
        button->handCursor = true;
    }
    // The buttons of memory and checking are flat; the main row's are raised.
    for (Control* button :
         {&SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8, &SpeedButton9}) {
        button->look = ButtonLook::Tool;
    }
    for (Control* button : {&SpeedButton12, &SpeedButton10, &SpeedButton2, &SpeedButton4,
                            &SpeedButton3, &SpeedButton1}) {
        button->look = ButtonLook::MainRow;
        button->font.color = colors::kMaroon;
    }
    SpeedButton1.font.bold = true;
    BindButtons();

    los6.hint = "Wymusza w zestawie liczbe maximum";
    los8.hint = "Wymusza w zestawie jedną liczbę minimum";
    los9.hint = "Wymusza cały zestaw z liczb minimalnych";
    los5.hint = "Wymusza w zestawie podaną liczbę";
    os2.hint = "Nowy zestaw jeżeli wystąpiła dwójka w n ostatnich losowaniach";
    os3.hint = "Nowwy zestaw jeżeli wystąpiła trójka w n ostatnich losowaniach";
    os4.hint = "Eliminuje liczby jeżeli były w kolejnych n-losowaniach";

    // Panels: all but Panel1 hidden at design.
    for (Control* panel : {&Panel2, &Panel3, &Panel4, &Panel5, &panel6}) {
        panel->visible = false;
        panel->ownBackground = true;
        panel->background = colors::kWhite;
    }
    Label18.font = {"Tahoma", 12, 0, true, false, colors::kMaroon};
    for (Control* grid : {&wydatki, &przychody}) {
        // The heading row, entries 1 to 4999 on the grid's rows and entry
        // 5000, which the grid holds without a row of its own.
        grid->cells.Resize(3, 5001);
        grid->columnWidths = {64, 64, 233};
    }
    Memo1.items.Assign({"Zestaw opcji i narzędzi."});
    Memo1.centred = true;
    Memo2.items.Assign({"Nowości w wersji 1.13", "--------------------------",
                        "Nowa forma prezentacji bazy wyników."});
    // The drawn balls show the pictures of their numbers; the other images
    // are decorations.
    for (Control* ball : {&obraz1, &obraz2, &obraz3, &obraz4, &obraz5, &obraz6}) {
        ball->showsPicture = true;
    }
    Label26.font = {"Blade Runner Movie Font", 0, 13, true, true, colors::kNavy};
    ListBox1.font.color = colors::kMaroon;
    Label27.font = {"Tahoma", 12, 0, true, false, colors::kMaroon};
}

void Tgenerator::Place(Control& panel, int left, int top, int width, int height) {
    panel.bounds = {left, top, width, height};
    panel.visible = true;
}

void Tgenerator::Select(Control& radio) {
    for (Control* control : controls_) {
        if (control->kind == ControlKind::RadioButton && control->parent == radio.parent) {
            control->checked = false;
        }
    }
    radio.checked = true;
}

}  // namespace kulko
