@echo off
rem Runs rowcard.exe, which lies beside this file, in the folder of this file,
rem and says in words what its exit status means.
cd /d "%~dp0"
"%~dp0rowcard.exe"
set STATUS=%ERRORLEVEL%
if %STATUS%==0 echo Done: the cards are in the .vcf file named after the table.
if %STATUS%==1 echo The output could not be created, or it would overwrite an input; nothing was written.
if %STATUS%==2 echo The table could not be opened; no output was written. Is it import.csv, or the name in rowcard.ini?
if %STATUS%==3 echo The template master.vcf could not be opened.
if %STATUS%==4 echo A file could not be read to its end.
if %STATUS%==5 echo Memory ran out; close other programs and run it again.
if %STATUS%==255 echo Writing the cards failed; is the disk full?
pause
exit /b %STATUS%
