# Sources of src/controls: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
