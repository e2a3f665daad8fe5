// The main menu: File, Edit and Angles.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window/frm_tensorium.h"

namespace tensorium {
namespace {

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* AddSeparator(QMenu* menu, const QString& name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QAction* AddHeading(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* heading = AddItem(menu, name, caption);
    heading->setEnabled(false);
    return heading;
}

}  // namespace

void TFrmTensorium::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    file->menuAction()->setObjectName("mnuFile");
    mnuOpenExercise = AddItem(file, "mnuOpenExercise", "Open exercise...");
    mnuOpenExercise->setShortcut(QKeySequence("Ctrl+O"));
    mnuSaveExercise = AddItem(file, "mnuSaveExercise", "Save exercise");
    mnuSaveExercise->setShortcut(QKeySequence("Ctrl+S"));
    mnuSaveExerciseAs = AddItem(file, "mnuSaveExerciseAs", "Save exercise as...");
    mnuSaveExerciseAs->setShortcut(QKeySequence("Ctrl+Shift+S"));
    mnuRecentExercises = file->addMenu("Recent exercises");
    mnuRecentExercises->setObjectName("mnuRecentExercises");
    mnuRecentExercises->menuAction()->setObjectName("mnuRecentExercises");
    AddSeparator(file, "NPlanes");
    mnuImportPlanes = AddItem(file, "mnuImportPlanes", "Import planes...");
    mnuExportPlanes = AddItem(file, "mnuExportPlanes", "Export planes...");
    AddSeparator(file, "N0");
    mnuPrintForm = AddItem(file, "mnuPrintForm", "Print form");
    mnuPrintStereograph = AddItem(file, "mnuPrintStereograph", "Print stereograph");
    mnuPrintMohrCircles = AddItem(file, "mnuPrintMohrCircles", "Print Mohr circles");
    mnuPrinterSetup = AddItem(file, "mnuPrinterSetup", "Printer setup");
    AddSeparator(file, "N1");
    AddHeading(file, "mnuReport", "Report:");
    Reportprintpreview1 = AddItem(file, "Reportprintpreview1", "Print preview");
    Printreport1 = AddItem(file, "Printreport1", "Print");
    Printreport1->setShortcut(QKeySequence("Ctrl+P"));
    AddSeparator(file, "N2");
    mnuExit = AddItem(file, "mnuExit", "Exit");
    mnuExit->setShortcut(QKeySequence("Alt+F4"));

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    edit->menuAction()->setObjectName("mnuEdit");
    mnuCopyStereograph = AddItem(edit, "mnuCopyStereograph", "Copy stereograph");
    mnuCopyMohrCircles = AddItem(edit, "mnuCopyMohrCircles", "Copy Mohr circles");
    mnuPastePlanes = AddItem(edit, "mnuPastePlanes", "Paste planes");

    QMenu* angles = bar->addMenu("&Angles");
    angles->setObjectName("mnuAgles");
    angles->menuAction()->setObjectName("mnuAgles");
    AddHeading(angles, "mnuAnglesPrincipalStress", "Principal stress - Azimuth definition:");
    mnuAngleLeft = AddItem(angles, "mnuAngleLeft", "Cou&nterclockwise from East (+X axis)");
    mnuAngleRight = AddItem(angles, "mnuAngleRight", "&Clockwise from North (+Y axis)");
    auto* group = new QActionGroup(this);
    group->setObjectName("AzimuthConventionGroup");
    group->setExclusive(true);
    for (QAction* item : {mnuAngleLeft, mnuAngleRight}) {
        item->setCheckable(true);
        group->addAction(item);
    }
    mnuAngleRight->setChecked(true);

    QMenu* view = bar->addMenu("&View");
    view->setObjectName("mnuView");
    view->menuAction()->setObjectName("mnuView");
    mnuStressExplorer = AddItem(view, "mnuStressExplorer", "&Stress explorer");
    mnuStressExplorer->setShortcut(QKeySequence(Qt::Key_F2));
    mnuPlanes = AddItem(view, "mnuPlanes", "&Planes");
    mnuPlanes->setShortcut(QKeySequence(Qt::Key_F3));
    mnuExerciseWindow = AddItem(view, "mnuExerciseWindow", "&Exercise");
    mnuExerciseWindow->setShortcut(QKeySequence(Qt::Key_F4));

    mnuExercise = bar->addMenu("E&xercise");
    mnuExercise->setObjectName("mnuExercise");
    mnuExercise->menuAction()->setObjectName("mnuExercise");
    mnuQuestions = AddItem(mnuExercise, "mnuQuestions", "&Questions...");
    mnuRandomExercise = AddItem(mnuExercise, "mnuRandomExercise", "&New random exercise...");
    mnuAnswerKey = AddItem(mnuExercise, "mnuAnswerKey", "&Answer key...");
    mnuSaveResultSheet = AddItem(mnuExercise, "mnuSaveResultSheet", "&Save result sheet...");
}

}  // namespace tensorium
