#pragma once
// Drive1: the drive list. On Linux the drives are the mounted volumes (their
// root folders), on Windows the drive letters. The user picks one; Change()
// follows.
#include <QComboBox>
#include <QString>

namespace orvik {

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // The chosen drive's root folder ("/", "/media/usb", "C:/").
    QString Drive() const;
    // Shows the drive that holds `folder`, from code: raises no Change().
    void ShowDriveOf(const QString& folder);
    // Reads the mounted volumes again, keeping the chosen one.
    void Refresh();

    // Opening the list reads the volumes again, so a drive plugged in since
    // shows up.
    void showPopup() override;

signals:
    // The user chose another drive.
    void Change();

private:
    void Fill(const QStringList& roots);
    void Select(const QString& root);
    void UserActivated(int index);

    QString startVolume_;  // the volume of the start-up folder: always listed
    QString chosen_;       // the drive shown, whether chosen by the user or by code
};

}  // namespace orvik
