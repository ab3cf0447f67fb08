# The installed headers: the engine as a user sees it, under <vantrel/...>. Everything else
# (kernels, drawer internals, frame records, platform back ends) stays in the tree, and no
# header listed here may include one that is not (tests/install checks each alone).

# Relative to engine/, installed as <vantrel/module/Name.h>.
set(VANTREL_PUBLIC_HEADERS
    base/Clock.h
    base/Event.h
    base/Exception.h
    base/FailureText.h
    base/Thread.h
    base/ThreadNotifier.h
    image/BlendMode.h
    image/Color.h
    image/DrawingOperations.h
    image/Geometry.h
    image/GlyphData.h
    image/Image.h
    image/PixelFormat.h
    image/TransitionTable.h
    io/FileStreamReader.h
    io/IImageLoader.h
    io/ISeekable.h
    io/ISequentialStreamReader.h
    io/IStreamReader.h
    io/LoadImage.h
    io/PngLoader.h
    io/PngWriter.h
    screen/FrameBreakdown.h
    screen/MemoryPresentTarget.h
    screen/PresentTarget.h
    screen/Screen.h
    screen/ScreenObserver.h
    screen/StagedPicture.h
    sound/AudibleSoundManager.h
    sound/ISound.h
    sound/ISoundManager.h
    sound/LoadedSounds.h
    sound/NullSound.h
    sound/NullSoundManager.h
    sound/PlayableWaveFormat.h
    sound/RiffChunkWalker.h
    sound/Singleton.h
    sound/SoundManager.h
    sound/StreamSoundLoading.h
    sound/WaveDataReader.h
    sound/WaveFormat.h
    sprite/DrawCommand.h
    sprite/FillRectSprite.h
    sprite/ImageSprite.h
    sprite/ISprite.h
    sprite/ScreenDrawer.h
    sprite/SpriteBase.h
    sprite/SpriteManager.h
    sprite/TextSprite.h
    text/Font.h
    text/FontCache.h
    text/FontFaceLookup.h
    text/FontScale.h
    text/IFont.h
    # Font.h's FreeType back end: its class is what Font names on this platform.
    text/freetype/Font.h)

# Relative to app/, installed as <vantrel/shell/Name.h>.
set(VANTREL_SHELL_HEADERS
    IScene.h
    MenuTexts.h
    PointerSource.h
    WindowHost.h)
