#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QUrl>
#include <memory>

class QVariantAnimation;
class RunState;
namespace Ui { class dlgAbout; }

// The about box: the office's program title, the version and the mail link.
class dlgAbout : public QDialog {
    Q_OBJECT
public:
    dlgAbout(RunState& state, QWidget* parent);
    ~dlgAbout() override;

    QUrl mailUrl() const;

    // The logo turned about its upright axis, as a coin spins.
    static QPixmap turned(const QPixmap& logo, qreal degrees);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSystemInformation();
    void animate();
    static QPixmap drawnLogo(int size);

    RunState& m_state;
    std::unique_ptr<Ui::dlgAbout> m_ui;
    QPixmap m_logo;
    QPointer<QVariantAnimation> m_animation;
    bool m_loaded = false;
};
