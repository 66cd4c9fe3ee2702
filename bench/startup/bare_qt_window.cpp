// The baseline for start-up: a bare Qt window, maximised, showing the same photograph centred.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

class PhotoWindow : public QWidget {
public:
    explicit PhotoWindow(QImage image) : image_(std::move(image)) { setWindowTitle("Bare"); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.drawImage((width() - image_.width()) / 2, (height() - image_.height()) / 2, image_);
    }

private:
    QImage image_;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PhotoWindow window(QImage(argc > 1 ? argv[1] : ""));
    window.showMaximized();
    return app.exec();
}
