#include "app/no_display_exit.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>
#include <vector>

namespace klaxora {

namespace {

// The context's texts are the toolkit's own static strings, which it keeps for the program's life.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

// Qt's message handler is a plain function, so the one watch lives here while a NoDisplayExit does.
struct Watch {
    std::mutex mutex;
    const std::string* exitLine = nullptr;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};
Watch watch;

void passOn(const std::vector<HeldMessage>& messages, QtMessageHandler handler)
{
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        handler(message.type, context, message.text);
    }
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(watch.mutex);
    // "... no Qt platform plugin could be initialized ...": no window system at all.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fprintf(stderr, "%s\n", watch.exitLine->c_str());
        std::fflush(stderr);
        // At once, as the abort would: an ordinary exit would tear down the half-built toolkit while the
        // files are still being read on another thread. A file being replaced meanwhile survives this as
        // it survives a kill.
        std::_Exit(1);
    }
    watch.held.push_back({type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) {
        // Another fatal error: said as the toolkit says it, before it aborts.
        passOn(watch.held, watch.previous);
        watch.held.clear();
    }
}

} // namespace

NoDisplayExit::NoDisplayExit(std::string line) : line_(std::move(line))
{
    const std::lock_guard lock(watch.mutex);
    watch.exitLine = &line_;
    watch.previous = qInstallMessageHandler(hold);
}

NoDisplayExit::~NoDisplayExit()
{
    std::vector<HeldMessage> messages;
    QtMessageHandler handler = nullptr;
    {
        const std::lock_guard lock(watch.mutex);
        handler = watch.previous;
        qInstallMessageHandler(handler);
        messages.swap(watch.held);
        watch.exitLine = nullptr;
    }
    passOn(messages, handler);
}

} // namespace klaxora
