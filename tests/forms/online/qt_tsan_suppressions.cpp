// ThreadSanitizer's built-in suppressions for these programs. Qt here is not built with
// ThreadSanitizer: its posted-event queue, its thread pool and the end of a QThread
// synchronise through Qt's own futex-based mutex, which the sanitizer cannot see, so the
// memory Qt itself moves between threads looks racy. Calls from Qt's libraries into the
// sanitizer's interceptors are ignored; our own code stays checked, and the status
// thread's hand-overs and end carry locks of their own that the sanitizer does see.
extern "C" const char* __tsan_default_suppressions();

extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libQt6Core.so.6\n"
           "called_from_lib:libQt6Gui.so.6\n"
           "called_from_lib:libQt6Widgets.so.6\n"
           // Its event loop's allocator, also used on its pooled threads.
           "called_from_lib:libglib-2.0.so.0\n"
           // QThread::wait() returning after the thread ended, then ~QThread.
           "race:QWaitCondition::~QWaitCondition\n";
}
