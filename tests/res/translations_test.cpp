// The program's texts in the desktop's language. ctest runs this program once
// per language with LANGUAGE naming it, and once in the C locale, where every
// text must stay exactly as the program writes it.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "platform/win32/user/dialog_window.h"
#include "platform/win32/user/display_text.h"
#include "platform/win32/user/qt_message_box.h"
#include "res/corvane_resources.h"
#include "res/resource.h"
#include "res/text_formats.h"
#include "tests/platform/win32/user/qt_test_application.h"

namespace {

struct Expected {
  const char* language;  // as the catalogue names it; empty for English
  const char* exitButton;
  const char* aboutCaption;
  const char* warning;
  const char* yes;
  const char* replaceQuestion;   // for /v/clip.mkv
  const char* incompleteSource;  // kIncompleteSource
  const char* failedSave;        // kFailedSave
};

// Put together from several texts: a line of a format whose arguments are
// texts themselves, a line of three sentences, a phrase made a sentence.
constexpr char kIncompleteSource[] =
    "The output file was written, but it is incomplete.\n"
    "This stream of the source is not in it:\n"
    "  stream 2 (audio, aac): Matroska cannot carry this codec\n"
    "The source ends early: the file looks cut off. Its readable part ends at 0:01.5. 3 damaged or "
    "incomplete "
    "packets were left out.\n";
constexpr char kFailedSave[] =
    "Failed to save the Matroska file as /v/a.mkv!  hr=0x80070070\nThe disk is full.";

constexpr Expected kLanguages[] = {
    {"", "Exit", "About Corvane", "Warning", "&Yes", "/v/clip.mkv exists. Do you want to replace it?",
     kIncompleteSource, kFailedSave},
    {"de", "Beenden", "Über Corvane", "Warnung", "&Ja",
     "/v/clip.mkv ist bereits vorhanden. Möchten Sie die Datei ersetzen?",
     "Die Ausgabedatei wurde geschrieben, ist aber unvollständig.\n"
     "Dieser Datenstrom der Quelle fehlt darin:\n"
     "  Datenstrom 2 (Audio, aac): Matroska kann diesen Codec nicht aufnehmen\n"
     "Die Quelle endet vorzeitig: Die Datei scheint abgeschnitten zu sein. Ihr lesbarer Teil endet bei "
     "0:01.5. 3 "
     "beschädigte oder unvollständige Pakete wurden ausgelassen.\n",
     "Die Matroska-Datei konnte nicht als /v/a.mkv gespeichert werden!  hr=0x80070070\nDer Datenträger ist "
     "voll."},
    {"fr", "Quitter", "À propos de Corvane", "Avertissement", "&Oui",
     "/v/clip.mkv existe déjà. Voulez-vous le remplacer ?",
     "Le fichier de sortie a été écrit, mais il est incomplet.\n"
     "Ce flux de la source n’y figure pas :\n"
     "  flux 2 (audio, aac) : Matroska ne peut pas contenir ce codec\n"
     "La source se termine trop tôt : le fichier semble tronqué. Sa partie lisible s’arrête à 0:01.5. 3 "
     "paquets "
     "endommagés ou incomplets ont été omis.\n",
     "Impossible d’enregistrer le fichier Matroska sous /v/a.mkv !  hr=0x80070070\nLe disque est plein."},
    {"es", "Salir", "Acerca de Corvane", "Advertencia", "&Sí", "/v/clip.mkv ya existe. ¿Desea reemplazarlo?",
     "El archivo de salida se ha escrito, pero está incompleto.\n"
     "Esta pista del origen no está incluida:\n"
     "  pista 2 (audio, aac): Matroska no admite este códec\n"
     "El origen termina antes de tiempo: el archivo parece cortado. Su parte legible termina en 0:01.5. Se "
     "omitieron 3 paquetes dañados o incompletos.\n",
     "¡No se pudo guardar el archivo Matroska como /v/a.mkv!  hr=0x80070070\nEl disco está lleno."},
};

const Expected& ExpectedForThisRun() {
  const QByteArray language = qgetenv("CORVANE_EXPECTED_LANGUAGE");
  for (const Expected& expected : kLanguages)
    if (language == expected.language) return expected;
  ADD_FAILURE() << "no expectations for language " << language.constData();
  return kLanguages[0];
}

std::string CaptionOfDialog(int id, int controlId = 0) {
  const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
  if (!dialogTemplate) return "no template";
  const HWND dialog = CreateDialogWindow(*dialogTemplate, nullptr, DefDlgProcA, {});
  const std::string text = WindowText(controlId ? GetDlgItem(dialog, controlId) : dialog);
  DestroyDialogWindow(dialog);
  return text;
}

TEST(Translation, WindowsBoxesAndFormattedTextsAreInTheDesktopsLanguage) {
  const Expected& expected = ExpectedForThisRun();
  AfxSetResources(CorvaneResources());
  const QString installed = InstallDesktopTranslation(QString::fromLocal8Bit(qgetenv("CORVANE_TRANSLATIONS")),
                                                      QStringLiteral("corvane"));
  EXPECT_EQ(installed.toStdString(), expected.language);
  SetDisplayTextFormats(CorvaneTextFormats());

  EXPECT_EQ(CaptionOfDialog(IDD_CONVERTER_DIALOG, IDCANCEL), expected.exitButton);
  EXPECT_EQ(CaptionOfDialog(IDD_ABOUTBOX), expected.aboutCaption);
  EXPECT_EQ(DisplayText(kIncompleteSource).toStdString(), expected.incompleteSource);
  EXPECT_EQ(DisplayText(kFailedSave).toStdString(), expected.failedSave);

  QtMessageBoxBackend boxes;
  WhenShown<QMessageBox>([&](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle().toStdString(), expected.warning);
    EXPECT_EQ(box.text().toStdString(), expected.replaceQuestion);
    auto* yes = box.findChild<QPushButton*>(QStringLiteral("IDYES"));
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(yes->text().toStdString(), expected.yes);
    yes->click();
  });
  EXPECT_EQ(boxes.Show(nullptr, "/v/clip.mkv exists. Do you want to replace it?", "Warning",
                       MB_YESNO | MB_ICONWARNING),
            IDYES);
}

}  // namespace
