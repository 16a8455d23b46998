#include "pageharness.h"

#include "proxyhelpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QAction* findAction(QWidget* root, const QString& name)
{
    for (QAction* action : root->actions()) {
        if (action->objectName() == name)
            return action;
    }
    return root->findChild<QAction*>(name);
}

// Types text key by key. QTest only knows the keys of ASCII characters, so
// any other letter ("Uxía") goes as a key event carrying its text, as a
// keyboard layout would send it.
void typeInto(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, ch.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void replaceText(QWidget* field, QLineEdit* line, const QString& text)
{
    field->setFocus();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    typeInto(line, text);
}

} // namespace

PageHarness::PageHarness(QWidget* root) : m_root(root)
{
}

PageHarness::~PageHarness()
{
    for (const QPointer<QTimer>& watcher : m_watchers)
        delete watcher.data();
}

bool PageHarness::trigger(const char* actionName)
{
    const QString name = QLatin1String(actionName);
    QAction* action = m_root ? findAction(m_root, name) : nullptr;
    if (!action) {
        fail(QStringLiteral("no action named %1").arg(name));
        return false;
    }
    if (!action->isEnabled()) {
        fail(QStringLiteral("action %1 is disabled").arg(name));
        return false;
    }
    action->trigger();
    return true;
}

bool PageHarness::click(const char* buttonName)
{
    auto* button = find<QAbstractButton>(buttonName);
    if (!button)
        return false;
    if (!button->isEnabled()) {
        fail(QStringLiteral("button %1 is disabled").arg(QLatin1String(buttonName)));
        return false;
    }
    button->click();
    return true;
}

QList<int> PageHarness::shownIds(const char* viewName)
{
    QList<int> ids;
    auto* view = find<QAbstractItemView>(viewName);
    if (!view || !view->model())
        return ids;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        ids << model->index(row, 0).data(ARole::Id).toInt();
    return ids;
}

bool PageHarness::selectIds(const char* viewName, const QList<int>& ids)
{
    auto* view = find<QAbstractItemView>(viewName);
    if (!view || !view->model() || !view->selectionModel())
        return false;
    const QAbstractItemModel* model = view->model();
    QItemSelection selection;
    QList<int> missing = ids;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex first = model->index(row, 0);
        if (!missing.removeOne(first.data(ARole::Id).toInt()))
            continue;
        selection.select(first, model->index(row, model->columnCount() - 1));
    }
    for (int id : missing)
        fail(QStringLiteral("%1 shows no row with id %2").arg(QLatin1String(viewName)).arg(id));
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        view->selectionModel()->setCurrentIndex(selection.first().topLeft(), QItemSelectionModel::NoUpdate);
    return missing.isEmpty();
}

bool PageHarness::type(const char* fieldName, const QString& text)
{
    auto* field = find<QWidget>(fieldName);
    if (!field)
        return false;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        replaceText(line, line, text);
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        replaceText(spin, spin->findChild<QLineEdit*>(), text);
    } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->isEditable()) {
        replaceText(combo, combo->lineEdit(), text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->clear();
        typeInto(plain, text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        rich->clear();
        typeInto(rich, text);
    } else {
        fail(QStringLiteral("%1 takes no typing").arg(QLatin1String(fieldName)));
        return false;
    }
    return true;
}

bool PageHarness::choose(const char* comboName, const QString& itemText)
{
    auto* combo = find<QComboBox>(comboName);
    if (!combo)
        return false;
    const int index = combo->findText(itemText);
    if (index < 0) {
        fail(QStringLiteral("%1 has no entry \"%2\"").arg(QLatin1String(comboName), itemText));
        return false;
    }
    combo->setCurrentIndex(index);
    return true;
}

bool PageHarness::check(const char* buttonName, bool checked)
{
    auto* button = find<QAbstractButton>(buttonName);
    if (!button)
        return false;
    if (button->isChecked() != checked)
        button->click();
    return button->isChecked() == checked;
}

PageHarness& PageHarness::answerNext(const QString& questionPart, QMessageBox::StandardButton answer)
{
    m_prompter.buttonFor(questionPart, answer);
    return *this;
}

PageHarness& PageHarness::answerNext(const QString& questionPart, const QString& buttonText)
{
    m_prompter.choiceFor(questionPart, buttonText);
    return *this;
}

PageHarness& PageHarness::answerNextText(const QString& questionPart, const QString& typed)
{
    m_prompter.textFor(questionPart, typed);
    return *this;
}

QStringList PageHarness::problems() const
{
    return m_problems + m_prompter.problems();
}
