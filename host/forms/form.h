#pragma once

#include <QMainWindow>

class QCloseEvent;
class QShowEvent;

namespace host {

// A program window. Its load runs once, before it is first shown; closing it (or unload)
// runs its unload and lets the program end when no window remains loaded. Controls are placed
// in twips on client(), whose size is the client area in twips.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    Form(const QString &name, int clientWidthTwips, int clientHeightTwips,
         QWidget *parent = nullptr);
    ~Form() override;

    void load();
    void unload();
    bool isLoaded() const { return m_loaded; }
    QWidget *client() const { return m_client; }

protected:
    virtual void formLoad() { }
    virtual void formUnload() { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_client;
    bool m_loaded = false;
};

// True once no window remains loaded: loops that yield stop then.
bool programEnding();

// Processes pending events (their handlers run inside the caller, on the same state) and
// returns; false when the program is ending, so that a yielding loop ends cleanly.
bool yield();

} // namespace host
