# Sources of src/app: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
