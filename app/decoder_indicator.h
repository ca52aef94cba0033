#pragma once
// The decoder's link state in the main window, top right, above "Résultats"
// and "Imprimer": connected, lost (retrying), not connected, no port.
#include <QObject>
#include <QTimer>

class QLabel;

namespace ksy {

class DecoderLink;
class DecoderMessages;
class MainWindow;

class DecoderIndicator : public QObject {
public:
    DecoderIndicator(MainWindow& window, const DecoderLink& link, DecoderMessages& messages);
    QLabel* label() const { return label_; }
    // Looks at the link now (the timer does it four times a second).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    MainWindow& window_;
    const DecoderLink& link_;
    DecoderMessages& messages_;
    QLabel* label_ = nullptr;
    QTimer timer_;
};

} // namespace ksy
