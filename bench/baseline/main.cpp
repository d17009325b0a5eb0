// The baseline the benchmark compares the simulator with: a bare
// QWebEngineView in a window with an address box above nothing else, no
// interception. Enter in the box loads the address, as GO does.
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWidget>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QWebEngineView(&window);
    auto *address = new QLineEdit(QStringLiteral("http://"), &window);
    layout->addWidget(view, 1);
    layout->addWidget(address);
    QObject::connect(address, &QLineEdit::returnPressed, view, [view, address] {
        view->load(QUrl::fromUserInput(address->text()));
    });
    window.resize(192, 372);
    window.show();
    address->setFocus();
    address->setCursorPosition(static_cast<int>(address->text().size()));
    return QApplication::exec();
}
