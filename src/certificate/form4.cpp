#include "form4.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "label.h"
#include "pictures.h"
#include "program.h"
#include "textdisplay.h"
#include "valuerules.h"

#include <QPainter>
#include <QTextOption>

namespace {

QColor textColour()
{
    return colourOf(RgbColour(64, 64, 64));
}

// A framed label whose text wraps at word boundaries and, where a word is
// wider than the label (a long name without blanks), anywhere inside it. The
// label keeps its size; what does not fit below is cut off at its lower edge.
class WrappingLabel : public Label
{
public:
    using Label::Label;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const int padding = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        painter.setPen(ForeColour());
        painter.drawText(QRectF(contentsRect().adjusted(padding, 0, -padding, 0)), text(), option);
    }
};

// The certificate made out to the name.
QString certificateText(const QString &name)
{
    //: %1 is the name typed, %2 the trade mark sign, %3 starts a new paragraph.
    return Form4::tr("Hereby, %1 is a Thornax certificated Windows%2 user.%3"
                     "He can, and will use the operating system with full effiency.%3"
                     "He is also considered indeed suitable for all kinds of jobs, "
                     "such as programmer, network technician, even a member of "
                     "the Frostlan tech-Crew.")
        .arg(name, CharOf(153), CharOf(13));
}

// The name set apart from the words around it, so that direction marks typed in
// it (a right-to-left override, say) end with it. Every isolate the name opens
// is closed after it, and every one it closes without opening gets an opening before.
QString isolated(const QString &name)
{
    constexpr char16_t FirstStrongIsolate = 0x2068, PopIsolate = 0x2069;
    qsizetype open = 0, unmatched = 0;
    for (QChar c : name) {
        if (c.unicode() >= 0x2066 && c.unicode() <= FirstStrongIsolate)
            ++open;
        else if (c.unicode() == PopIsolate && open > 0)
            --open;
        else if (c.unicode() == PopIsolate)
            ++unmatched;
    }
    return QString(unmatched + 1, QChar(FirstStrongIsolate)) + name +
           QString(open + 1, QChar(PopIsolate));
}

} // namespace

Form4Controls::Form4Controls(QWidget *client)
    : Label1(designLabel(client, "Label1", Form4::tr("ThorNax Certificate"), {0, 120, 6855, 855},
                         designFont("Times New Roman", 36, FontStyle::BoldItalic))),
      Image1(placed(new QLabel(client), "Image1", {1560, 1200, 3840, 3840})),
      Label3(designLabel(client, "Label3",
                         //: %1 is the trade mark sign.
                         Form4::tr("Windows%1 is a registered trademark of Microsoft%1 Coporation")
                             .arg(CharOf(153)),
                         {0, 7320, 6855, 255}, designFont("Verdana", 6))),
      Label2(placed<Label>(new WrappingLabel(client), "Label2", {240, 5280, 6495, 1695}))
{
    Label1->SetForeColour(textColour());
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(medal());
    speak({{Image1, Form4::tr("Medal")}});

    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label2->setFont(designFont("Verdana", 8.25));
    Label2->SetBackColour(colourOf(RgbColour(192, 192, 192)));
    Label2->SetForeColour(textColour());
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label2->setLineWidth(1);
    Label2->setWordWrap(true);
}

Form4::Form4(Program &program)
    : Form(program, WindowDesign{tr("Congratulations!"), QSize(6885, 7515),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form4::Form_Load()
{
    const QString name = m_program.AskText(tr("Please enter your name"));
    ui().Label2->SetCaption(certificateText(name));
    // The caption keeps the name as typed; what is drawn keeps it from turning the words round.
    ui().Label2->setText(displayText(certificateText(isolated(name))));
}
