// The application object: it catches any error that escapes an event handler and shows it in the
// standard error box, after which the program goes on.
#pragma once

#include <QApplication>

#include <functional>

namespace klaxora {

class KlaxoraApplication : public QApplication {
public:
    using ErrorPresenter = std::function<void(const QString& text)>;

    KlaxoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Tests replace the modal box with a recorder.
    void setErrorPresenter(ErrorPresenter presenter) { presenter_ = std::move(presenter); }

private:
    ErrorPresenter presenter_;
};

} // namespace klaxora
