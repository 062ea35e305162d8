xp_script_tests(wine_env_test.sh wine_fonts_test.sh make_game_test.sh wine_user_folders_test.sh completion_test.sh
                source_date_test.sh)
