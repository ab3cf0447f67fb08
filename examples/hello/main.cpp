// hello: a window showing a picture, a line of text and a glowing sprite that follows the
// pointer; a click plays a sound. Run it with no arguments, or with the folder holding
// load.gra, particle.png and click.wav (default: the installed share/vantrel).
#include <cstring>
#include <memory>
#include <string>

#include <vantrel/io/FileStreamReader.h>
#include <vantrel/io/LoadImage.h>
#include <vantrel/screen/Screen.h>
#include <vantrel/shell/WindowHost.h>
#include <vantrel/sound/SoundManager.h>
#include <vantrel/sprite/TextSprite.h>
#include <vantrel/text/Font.h>

namespace {

std::string dataFolder = HELLO_DATA_DIR;

std::string dataFile(const char* name)
{
    return dataFolder + "/" + name;
}

class HelloScene : public IScene {
public:
    explicit HelloScene(const vantrel::SceneContext& context)
        : screen(context.target, context.width, context.height),
          font("IPAGothic", 0, 40, false, false)
    {
        // Layer 0 holds everything; layer 1 stays empty and the transition level stays 0.
        auto picture = vantrel::loadImage(dataFile("load.gra").c_str());
        auto background = screen.createImageSprite(0, 1, 0, 0, 0, picture);
        background->setSize(context.width, context.height);
        background->setSmooth(true);
        background->show();

        const char* greeting = "Hello from Vantrel";
        screen.createTextSprite(0, 2, 42, 42, 1, greeting, std::strlen(greeting), font,
                                vantrel::Color::gray(0))->show();
        screen.createTextSprite(0, 3, 40, 40, 2, greeting, std::strlen(greeting), font,
                                vantrel::Color::rgb(255, 255, 255))->show();

        auto glow = vantrel::loadImage(dataFile("particle.png").c_str());
        auto follower = screen.createImageSprite(0, 4, 0, 0, 3, glow);
        follower->setBlendMode(vantrel::BlendMode::Add);
        follower->show();

        // Tasks run once per frame on the render thread, under the Screen lock.
        auto pointer = context.pointer;
        const auto halfWidth = static_cast<std::int32_t>(glow->getWidth() / 2);
        const auto halfHeight = static_cast<std::int32_t>(glow->getHeight() / 2);
        screen.addTask([follower, pointer, halfWidth, halfHeight](vantrel::Screen&) {
            const vantrel::Point at = pointer->getPosition();
            follower->setPosition(at.x - halfWidth, at.y - halfHeight);
            return false; // keep running
        });

        vantrel::FileStreamReader sound(dataFile("click.wav").c_str());
        clickSound = vantrel::SoundManager::getInstance()->loadSound(clickSoundId, sound);

        screen.start();
    }

    ~HelloScene() override { screen.stop(); }

    void paint() override
    {
        vantrel::Screen::Lock lock(screen);
        screen.invalidate();
    }

    void click(int, int) override
    {
        if (clickSound) {
            clickSound->stop();
            clickSound->rewind();
            clickSound->start();
        }
    }

private:
    static constexpr std::int32_t clickSoundId = 1;
    vantrel::Screen screen;
    vantrel::Font font;
    std::shared_ptr<vantrel::ISound> clickSound;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        dataFolder = argv[1];
    }
    vantrel::WindowOptions options;
    options.title = "Hello, Vantrel";
    options.menu = {"&File", "E&xit\tCtrl+Q", "&View", "&Full screen\tAlt+Enter", "&Window\tAlt+Enter"};
    return vantrel::runWindow(options, [](const vantrel::SceneContext& context) {
        return std::make_shared<HelloScene>(context);
    });
}
