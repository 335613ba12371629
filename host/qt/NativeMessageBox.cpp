// The real message box behind MessageDlg, ShowMessage and MessageBox.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <map>

#include "host/qt/Dialogs_p.h"
#include "host/qt/Translation_p.h"

namespace {
struct TButtonLook {
    TMsgDlgBtn Button;
    const char* Text;
    QMessageBox::ButtonRole Role;
};
// The buttons as the box shows them, in this order.
const TButtonLook ButtonLooks[] = {
    {mbYes, "是(&Y)", QMessageBox::YesRole},         {mbNo, "否(&N)", QMessageBox::NoRole},
    {mbOK, "确定", QMessageBox::AcceptRole},         {mbCancel, "取消", QMessageBox::RejectRole},
    {mbAbort, "中止(&A)", QMessageBox::RejectRole},  {mbRetry, "重试(&R)", QMessageBox::AcceptRole},
    {mbIgnore, "忽略(&I)", QMessageBox::AcceptRole}, {mbAll, "全部(&A)", QMessageBox::YesRole},
    {mbNoToAll, "全否(&O)", QMessageBox::NoRole},    {mbYesToAll, "全是(&T)", QMessageBox::YesRole},
    {mbHelp, "帮助(&H)", QMessageBox::HelpRole},
};

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

TModalResult RunNativeMessageBox(const TMessageBoxRequest& request) {
    if (!qApp) return mrCancel;
    EnsureQtTranslation();
    QMessageBox box(IconOf(request.Type), QString::fromStdString(request.Caption),
                    QString::fromStdString(request.Text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ZkMessageBox"));
    std::map<QAbstractButton*, TMsgDlgBtn> buttons;
    for (const TButtonLook& look : ButtonLooks) {
        if (!request.Buttons.Contains(look.Button)) continue;
        QString text = QString::fromUtf8(look.Text);
        for (const auto& [button, caption] : request.ButtonCaptions)
            if (button == look.Button) text = QString::fromStdString(caption);
        QPushButton* b = box.addButton(text, look.Role);
        b->setObjectName(QString::fromUtf8(GetEnumName(TypeInfoOf<TMsgDlgBtn>(), look.Button)));
        buttons[b] = look.Button;
        if (look.Button == request.DefaultButton) box.setDefaultButton(b);
        if (look.Button == mbCancel) box.setEscapeButton(b);
    }
    if (request.X >= 0 && request.Y >= 0) box.move(request.X, request.Y);
    box.exec();
    auto it = buttons.find(box.clickedButton());
    // Closed without a button: what Cancel would answer.
    return it == buttons.end() ? mrCancel : ModalResultOf(it->second);
}
