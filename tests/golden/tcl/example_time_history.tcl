wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0 0 0
node 2 6000 0 0
node 3 12000 0 0
node 4 0 6000 0
node 5 6000 6000 0
node 6 12000 6000 0
node 7 0 12000 0
node 8 6000 12000 0
node 9 12000 12000 0
node 10 0 0 3600
node 11 6000 0 3600
node 12 12000 0 3600
node 13 0 6000 3600
node 14 6000 6000 3600
node 15 12000 6000 3600
node 16 0 12000 3600
node 17 6000 12000 3600
node 18 12000 12000 3600
node 19 0 0 6900
node 20 6000 0 6900
node 21 12000 0 6900
node 22 0 6000 6900
node 23 6000 6000 6900
node 24 12000 6000 6900
node 25 0 12000 6900
node 26 6000 12000 6900
node 27 12000 12000 6900
node 28 0 0 10200
node 29 6000 0 10200
node 30 12000 0 10200
node 31 0 6000 10200
node 32 6000 6000 10200
node 33 12000 6000 10200
node 34 0 12000 10200
node 35 6000 12000 10200
node 36 12000 12000 10200
node 37 6000 6000 3600
node 38 6000 6000 6900
node 39 6000 6000 10200
node 40 0 0 0
puts "rigidDiaphragm"
rigidDiaphragm 3 37 10
rigidDiaphragm 3 37 11
rigidDiaphragm 3 37 12
rigidDiaphragm 3 37 13
rigidDiaphragm 3 37 14
rigidDiaphragm 3 37 15
rigidDiaphragm 3 37 16
rigidDiaphragm 3 37 17
rigidDiaphragm 3 37 18
rigidDiaphragm 3 38 19
rigidDiaphragm 3 38 20
rigidDiaphragm 3 38 21
rigidDiaphragm 3 38 22
rigidDiaphragm 3 38 23
rigidDiaphragm 3 38 24
rigidDiaphragm 3 38 25
rigidDiaphragm 3 38 26
rigidDiaphragm 3 38 27
rigidDiaphragm 3 39 28
rigidDiaphragm 3 39 29
rigidDiaphragm 3 39 30
rigidDiaphragm 3 39 31
rigidDiaphragm 3 39 32
rigidDiaphragm 3 39 33
rigidDiaphragm 3 39 34
rigidDiaphragm 3 39 35
rigidDiaphragm 3 39 36
puts "mass"
mass 1 1.135507882323144 1.135507882323144 1.135507882323144 0 0 0
mass 2 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 3 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 4 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 5 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 6 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 7 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 8 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 9 1.0799999999999998 1.0799999999999998 1.0799999999999998 0 0 0
mass 10 15.0529 15.0529 15.0529 0 0 0
mass 11 27.034130435471578 27.034130435471578 27.034130435471578 0 0 0
mass 12 15.0529 15.0529 15.0529 0 0 0
mass 13 26.928899999999995 26.928899999999995 26.928899999999995 0 0 0
mass 14 49.383900000000004 49.383900000000004 49.383900000000004 0 0 0
mass 15 26.928899999999995 26.928899999999995 26.928899999999995 0 0 0
mass 16 15.0529 15.0529 15.0529 0 0 0
mass 17 26.928899999999995 26.928899999999995 26.928899999999995 0 0 0
mass 18 15.0529 15.0529 15.0529 0 0 0
mass 19 14.774799999999999 14.774799999999999 14.774799999999999 0 0 0
mass 20 26.650799999999997 26.650799999999997 26.650799999999997 0 0 0
mass 21 14.774799999999999 14.774799999999999 14.774799999999999 0 0 0
mass 22 26.650799999999997 26.650799999999997 26.650799999999997 0 0 0
mass 23 49.10580000000001 49.10580000000001 49.10580000000001 0 0 0
mass 24 26.650799999999997 26.650799999999997 26.650799999999997 0 0 0
mass 25 14.774799999999999 14.774799999999999 14.774799999999999 0 0 0
mass 26 26.650799999999997 26.650799999999997 26.650799999999997 0 0 0
mass 27 14.774799999999999 14.774799999999999 14.774799999999999 0 0 0
mass 28 11.0589 11.0589 11.0589 0 0 0
mass 29 20.2349 20.2349 20.2349 0 0 0
mass 30 11.0589 11.0589 11.0589 0 0 0
mass 31 20.2349 20.2349 20.2349 0 0 0
mass 32 37.50789999999999 37.50789999999999 37.50789999999999 0 0 0
mass 33 20.2349 20.2349 20.2349 0 0 0
mass 34 11.0589 11.0589 11.0589 0 0 0
mass 35 20.2349 20.2349 20.2349 0 0 0
mass 36 11.0589 11.0589 11.0589 0 0 0
mass 40 0.16073831779472647 0.16073831779472647 0.16073831779472647 0 0 0
puts "node"
fix 37 0 0 1 1 1 0
fix 38 0 0 1 1 1 0
fix 39 0 0 1 1 1 0
fix 1 1 1 1 1 1 1;
fix 2 1 1 1 1 1 1;
fix 3 1 1 1 1 1 1;
fix 4 1 1 1 1 1 1;
fix 5 1 1 1 1 1 1;
fix 6 1 1 1 1 1 1;
fix 7 1 1 1 1 1 1;
fix 8 1 1 1 1 1 1;
fix 9 1 1 1 1 1 1;
puts "Equal DOF"
equalDOF 1 40 1 2 3
puts "material"
uniaxialMaterial Elastic 1 200000
uniaxialMaterial Elastic 2 30000
##NC500X500 
section Fiber 1 -GJ 1.1002604166666667e+14 {
fiber -200 -200 10000 2
fiber -100 -200 10000 2
fiber 0 -200 10000 2
fiber 100 -200 10000 2
fiber 200 -200 10000 2
fiber -200 -100 10000 2
fiber -100 -100 10000 2
fiber 0 -100 10000 2
fiber 100 -100 10000 2
fiber 200 -100 10000 2
fiber -200 0 10000 2
fiber -100 0 10000 2
fiber 0 0 10000 2
fiber 100 0 10000 2
fiber 200 0 10000 2
fiber -200 100 10000 2
fiber -100 100 10000 2
fiber 0 100 10000 2
fiber 100 100 10000 2
fiber 200 100 10000 2
fiber -200 200 10000 2
fiber -100 200 10000 2
fiber 0 200 10000 2
fiber 100 200 10000 2
fiber 200 200 10000 2
fiber -215 -215 200 1
fiber -107.5 -215 200 1
fiber 0 -215 200 1
fiber 107.5 -215 200 1
fiber 215 -215 200 1
fiber -215 215 200 1
fiber -107.5 215 200 1
fiber 0 215 200 1
fiber 107.5 215 200 1
fiber 215 215 200 1
fiber -215 -143.33333333333331 200 1
fiber -215 -71.66666666666666 200 1
fiber -215 0 200 1
fiber -215 71.66666666666669 200 1
fiber -215 143.33333333333331 200 1
fiber 215 -143.33333333333331 200 1
fiber 215 -71.66666666666666 200 1
fiber 215 0 200 1
fiber 215 71.66666666666669 200 1
fiber 215 143.33333333333331 200 1
}
##DC450X450 
section Fiber 2 -GJ 7.21880859375e+13 {
fiber -180 -180 8100 2
fiber -90 -180 8100 2
fiber 0 -180 8100 2
fiber 90 -180 8100 2
fiber 180 -180 8100 2
fiber -180 -90 8100 2
fiber -90 -90 8100 2
fiber 0 -90 8100 2
fiber 90 -90 8100 2
fiber 180 -90 8100 2
fiber -180 0 8100 2
fiber -90 0 8100 2
fiber 0 0 8100 2
fiber 90 0 8100 2
fiber 180 0 8100 2
fiber -180 90 8100 2
fiber -90 90 8100 2
fiber 0 90 8100 2
fiber 90 90 8100 2
fiber 180 90 8100 2
fiber -180 180 8100 2
fiber -90 180 8100 2
fiber 0 180 8100 2
fiber 90 180 8100 2
fiber 180 180 8100 2
fiber -190 -190 200 1
fiber -95 -190 200 1
fiber 0 -190 200 1
fiber 95 -190 200 1
fiber 190 -190 200 1
fiber -190 190 200 1
fiber -95 190 200 1
fiber 0 190 200 1
fiber 95 190 200 1
fiber 190 190 200 1
fiber -190 -126.66666666666666 200 1
fiber -190 -63.33333333333333 200 1
fiber -190 0 200 1
fiber -190 63.33333333333334 200 1
fiber -190 126.66666666666669 200 1
fiber 190 -126.66666666666666 200 1
fiber 190 -63.33333333333333 200 1
fiber 190 0 200 1
fiber 190 63.33333333333334 200 1
fiber 190 126.66666666666669 200 1
}
##NB300X600 
section Fiber 3 -GJ 4.63482421875e+13 {
fiber -120 -240 7200 2
fiber -60 -240 7200 2
fiber 0 -240 7200 2
fiber 60 -240 7200 2
fiber 120 -240 7200 2
fiber -120 -120 7200 2
fiber -60 -120 7200 2
fiber 0 -120 7200 2
fiber 60 -120 7200 2
fiber 120 -120 7200 2
fiber -120 0 7200 2
fiber -60 0 7200 2
fiber 0 0 7200 2
fiber 60 0 7200 2
fiber 120 0 7200 2
fiber -120 120 7200 2
fiber -60 120 7200 2
fiber 0 120 7200 2
fiber 60 120 7200 2
fiber 120 120 7200 2
fiber -120 240 7200 2
fiber -60 240 7200 2
fiber 0 240 7200 2
fiber 60 240 7200 2
fiber 120 240 7200 2
fiber -115 -265 200 1
fiber -57.5 -265 200 1
fiber 0 -265 200 1
fiber 57.5 -265 200 1
fiber 115 -265 200 1
fiber -115 265 200 1
fiber -57.5 265 200 1
fiber 0 265 200 1
fiber 57.5 265 200 1
fiber 115 265 200 1
fiber -115 -176.66666666666669 200 1
fiber -115 -88.33333333333334 200 1
fiber -115 0 200 1
fiber -115 88.33333333333331 200 1
fiber -115 176.66666666666669 200 1
fiber 115 -176.66666666666669 200 1
fiber 115 -88.33333333333334 200 1
fiber 115 0 200 1
fiber 115 88.33333333333331 200 1
fiber 115 176.66666666666669 200 1
}
##HB300X600 
section Fiber 4 -GJ 4.63482421875e+13 {
fiber -120 -240 7200 2
fiber -60 -240 7200 2
fiber 0 -240 7200 2
fiber 60 -240 7200 2
fiber 120 -240 7200 2
fiber -120 -120 7200 2
fiber -60 -120 7200 2
fiber 0 -120 7200 2
fiber 60 -120 7200 2
fiber 120 -120 7200 2
fiber -120 0 7200 2
fiber -60 0 7200 2
fiber 0 0 7200 2
fiber 60 0 7200 2
fiber 120 0 7200 2
fiber -120 120 7200 2
fiber -60 120 7200 2
fiber 0 120 7200 2
fiber 60 120 7200 2
fiber 120 120 7200 2
fiber -120 240 7200 2
fiber -60 240 7200 2
fiber 0 240 7200 2
fiber 60 240 7200 2
fiber 120 240 7200 2
fiber -115 -265 200 1
fiber -57.5 -265 200 1
fiber 0 -265 200 1
fiber 57.5 -265 200 1
fiber 115 -265 200 1
fiber -115 265 200 1
fiber -57.5 265 200 1
fiber 0 265 200 1
fiber 57.5 265 200 1
fiber 115 265 200 1
fiber -115 -176.66666666666669 200 1
fiber -115 -88.33333333333334 200 1
fiber -115 0 200 1
fiber -115 88.33333333333331 200 1
fiber -115 176.66666666666669 200 1
fiber 115 -176.66666666666669 200 1
fiber 115 -88.33333333333334 200 1
fiber 115 0 200 1
fiber 115 88.33333333333331 200 1
fiber 115 176.66666666666669 200 1
}
##TBR168X8 
section Fiber 6 -GJ 1.995801820433823e+12 {
fiber 78.1755876217122 0 98.2061863512169 1
fiber 74.34940202283212 24.157585120356845 98.2061863512169 1
fiber 63.24537893121295 45.950457493340444 98.2061863512169 1
fiber 45.950457493340444 63.24537893121295 98.2061863512169 1
fiber 24.15758512035685 74.34940202283212 98.2061863512169 1
fiber 0 78.1755876217122 98.2061863512169 1
fiber -24.157585120356842 74.34940202283214 98.2061863512169 1
fiber -45.95045749334044 63.24537893121295 98.2061863512169 1
fiber -63.24537893121294 45.95045749334045 98.2061863512169 1
fiber -74.34940202283212 24.157585120356853 98.2061863512169 1
fiber -78.1755876217122 0 98.2061863512169 1
fiber -74.34940202283215 -24.157585120356806 98.2061863512169 1
fiber -63.245378931212954 -45.95045749334044 98.2061863512169 1
fiber -45.95045749334045 -63.24537893121294 98.2061863512169 1
fiber -24.15758512035686 -74.34940202283212 98.2061863512169 1
fiber 0 -78.1755876217122 98.2061863512169 1
fiber 24.15758512035683 -74.34940202283214 98.2061863512169 1
fiber 45.95045749334042 -63.245378931212954 98.2061863512169 1
fiber 63.24537893121294 -45.95045749334046 98.2061863512169 1
fiber 74.34940202283212 -24.157585120356863 98.2061863512169 1
fiber 82.17434210262958 0 103.23273459696057 1
fiber 78.15244352897305 25.39326821129329 103.23273459696057 1
fiber 66.48043926260809 48.300866404762125 103.23273459696057 1
fiber 48.300866404762125 66.48043926260809 103.23273459696057 1
fiber 25.393268211293293 78.15244352897305 103.23273459696057 1
fiber 0 82.17434210262958 103.23273459696057 1
fiber -25.393268211293282 78.15244352897307 103.23273459696057 1
fiber -48.30086640476212 66.48043926260809 103.23273459696057 1
fiber -66.48043926260807 48.30086640476213 103.23273459696057 1
fiber -78.15244352897305 25.393268211293297 103.23273459696057 1
fiber -82.17434210262958 0 103.23273459696057 1
fiber -78.15244352897307 -25.393268211293247 103.23273459696057 1
fiber -66.48043926260809 -48.30086640476212 103.23273459696057 1
fiber -48.30086640476213 -66.48043926260807 103.23273459696057 1
fiber -25.3932682112933 -78.15244352897305 103.23273459696057 1
fiber 0 -82.17434210262958 103.23273459696057 1
fiber 25.393268211293275 -78.15244352897307 103.23273459696057 1
fiber 48.300866404762104 -66.48043926260809 103.23273459696057 1
fiber 66.48043926260807 -48.30086640476215 103.23273459696057 1
fiber 78.15244352897305 -25.393268211293307 103.23273459696057 1
}

nDMaterial ElasticIsotropic 2 30000 0.2
##SLAB150 
nDMaterial PlateFiber 601 2
section PlateFiber 701 601 150
##SLAB120 
nDMaterial PlateFiber 602 2
section PlateFiber 702 602 120
puts "transformation"
geomTransf Linear 1 1 0 0 
geomTransf Linear 2 1 0 0 
geomTransf Linear 3 1 0 0 
geomTransf Linear 4 1 0 0 
geomTransf Linear 5 1 0 0 
geomTransf Linear 6 1 0 0 
geomTransf Linear 7 1 0 0 
geomTransf Linear 8 1 0 0 
geomTransf Linear 9 1 0 0 
geomTransf Linear 10 1 0 0 
geomTransf Linear 11 1 0 0 
geomTransf Linear 12 1 0 0 
geomTransf Linear 13 1 0 0 
geomTransf Linear 14 1 0 0 
geomTransf Linear 15 1 0 0 
geomTransf Linear 16 1 0 0 
geomTransf Linear 17 1 0 0 
geomTransf Linear 18 1 0 0 
geomTransf Linear 19 1 0 0 
geomTransf Linear 20 1 0 0 
geomTransf Linear 21 1 0 0 
geomTransf Linear 22 1 0 0 
geomTransf Linear 23 1 0 0 
geomTransf Linear 24 1 0 0 
geomTransf Linear 25 1 0 0 
geomTransf Linear 26 1 0 0 
geomTransf Linear 27 1 0 0 
geomTransf Linear 28 0 0 1 
geomTransf Linear 29 0 0 1 
geomTransf Linear 30 0 0 1 
geomTransf Linear 31 0 0 1 
geomTransf Linear 32 0 0 1 
geomTransf Linear 33 0 0 1 
geomTransf Linear 34 0 0 1 
geomTransf Linear 35 0 0 1 
geomTransf Linear 36 0 0 1 
geomTransf Linear 37 0 0 1 
geomTransf Linear 38 0 0 1 
geomTransf Linear 39 0 0 1 
geomTransf Linear 40 0 0 1 
geomTransf Linear 41 0 0 1 
geomTransf Linear 42 0 0 1 
geomTransf Linear 43 0 0 1 
geomTransf Linear 44 0 0 1 
geomTransf Linear 45 0 0 1 
geomTransf Linear 46 0 0 1 
geomTransf Linear 47 0 0 1 
geomTransf Linear 48 0 0 1 
geomTransf Linear 49 0 0 1 
geomTransf Linear 50 0 0 1 
geomTransf Linear 51 0 0 1 
geomTransf Linear 52 0 0 1 
geomTransf Linear 53 0 0 1 
geomTransf Linear 54 0 0 1 
geomTransf Linear 55 0 0 1 
geomTransf Linear 56 0 0 1 
geomTransf Linear 57 0 0 1 
geomTransf Linear 58 0 0 1 
geomTransf Linear 59 0 0 1 
geomTransf Linear 60 0 0 1 
geomTransf Linear 61 0 0 1 
geomTransf Linear 62 0 0 1 
geomTransf Linear 63 0 0 1 
puts "element"
element nonlinearBeamColumn 1 1 10 3 1 1
element nonlinearBeamColumn 2 2 11 3 1 2
element nonlinearBeamColumn 3 3 12 3 1 3
element nonlinearBeamColumn 4 4 13 3 1 4
element nonlinearBeamColumn 5 5 14 3 1 5
element nonlinearBeamColumn 6 6 15 3 1 6
element nonlinearBeamColumn 7 7 16 3 1 7
element nonlinearBeamColumn 8 8 17 3 1 8
element nonlinearBeamColumn 9 9 18 3 1 9
element dispBeamColumn 10 10 19 3 2 10
element dispBeamColumn 11 11 20 3 2 11
element dispBeamColumn 12 12 21 3 2 12
element dispBeamColumn 13 13 22 3 2 13
element dispBeamColumn 14 14 23 3 2 14
element dispBeamColumn 15 15 24 3 2 15
element dispBeamColumn 16 16 25 3 2 16
element dispBeamColumn 17 17 26 3 2 17
element dispBeamColumn 18 18 27 3 2 18
element dispBeamColumn 19 19 28 3 2 19
element dispBeamColumn 20 20 29 3 2 20
element dispBeamColumn 21 21 30 3 2 21
element dispBeamColumn 22 22 31 3 2 22
element dispBeamColumn 23 23 32 3 2 23
element dispBeamColumn 24 24 33 3 2 24
element dispBeamColumn 25 25 34 3 2 25
element dispBeamColumn 26 26 35 3 2 26
element dispBeamColumn 27 27 36 3 2 27
element nonlinearBeamColumn 28 10 11 3 3 28
element nonlinearBeamColumn 29 11 12 3 3 29
element nonlinearBeamColumn 30 13 14 3 3 30
element nonlinearBeamColumn 31 14 15 3 3 31
element nonlinearBeamColumn 32 16 17 3 3 32
element nonlinearBeamColumn 33 17 18 3 3 33
element nonlinearBeamColumn 34 10 13 3 3 34
element nonlinearBeamColumn 35 13 16 3 3 35
element nonlinearBeamColumn 36 11 14 3 3 36
element nonlinearBeamColumn 37 14 17 3 3 37
element nonlinearBeamColumn 38 12 15 3 3 38
element nonlinearBeamColumn 39 15 18 3 3 39
element beamWithHinges 40 19 20 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 40 
element beamWithHinges 41 20 21 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 41 
element beamWithHinges 42 22 23 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 42 
element beamWithHinges 43 23 24 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 43 
element beamWithHinges 44 25 26 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 44 
element beamWithHinges 45 26 27 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 45 
element beamWithHinges 46 19 22 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 46 
element beamWithHinges 47 22 25 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 47 
element beamWithHinges 48 20 23 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 48 
element beamWithHinges 49 23 26 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 49 
element beamWithHinges 50 21 24 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 50 
element beamWithHinges 51 24 27 4 600 4 600 30000 180000 1.35e+09 5.4e+09 12500 3.707859375e+09 51 
element elasticBeamColumn 52 28 29 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 52
element elasticBeamColumn 53 29 30 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 53
element elasticBeamColumn 54 31 32 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 54
element elasticBeamColumn 55 32 33 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 55
element elasticBeamColumn 56 34 35 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 56
element elasticBeamColumn 57 35 36 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 57
element elasticBeamColumn 58 28 31 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 58
element elasticBeamColumn 59 31 34 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 59
element elasticBeamColumn 60 29 32 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 60
element elasticBeamColumn 61 32 35 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 61
element elasticBeamColumn 62 30 33 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 62
element elasticBeamColumn 63 33 36 150000 30000 12500 2.8173707999999995e+09 3.125e+09 1.125e+09 63
element trussSection 64 40 11 6
element zeroLength 65 40 1 -mat 1 1 1 -dir 4 5 6
puts "shell element"
element ShellMITC4 66 10 11 14 13 701
element ShellMITC4 67 11 12 15 14 701
element ShellMITC4 68 13 14 17 16 701
element ShellMITC4 69 14 15 18 17 701
element ShellMITC4 70 19 20 23 22 701
element ShellMITC4 71 20 21 24 23 701
element ShellMITC4 72 22 23 26 25 701
element ShellMITC4 73 23 24 27 26 701
element ShellMITC4 74 28 29 32 31 702
element ShellMITC4 75 29 30 33 32 702
element ShellMITC4 76 31 32 35 34 702
element ShellMITC4 77 32 33 36 35 702
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 40 -dof 1 2 3 disp
recorder Element -file ele0.out -time -eleRange 1 65 localForce
set xDamp 0.05
set nModes 12
set lambdaN [eigen $nModes]
set massNodes {}
foreach node [getNodeTags] {
    set masses {}
    set sum 0.0
    for {set dof 1} {$dof <= 6} {incr dof} {
        set mass [nodeMass $node $dof]
        lappend masses $mass
        set sum [expr {$sum + $mass}]
    }
    if {$sum > 0} {lappend massNodes $node; set nodeMasses($node) $masses}
}
set totalMass 0.0
foreach node $massNodes {set totalMass [expr {$totalMass + [lindex $nodeMasses($node) 0]}]}
if {$totalMass <= 0} {error "The model has no mass along degree of freedom 1"}
set massRatios {}
for {set mode 1} {$mode <= $nModes} {incr mode} {
    set participation 0.0
    set modalMass 0.0
    foreach node $massNodes {
        set shape [nodeEigenvector $node $mode]
        foreach mass $nodeMasses($node) phi $shape {set modalMass [expr {$modalMass + $mass*$phi*$phi}]}
        set participation [expr {$participation + [lindex $nodeMasses($node) 0]*[lindex $shape 0]}]
    }
    lappend massRatios [expr {$participation*$participation/$modalMass/$totalMass}]
}
set firstJ 2
set nEigenJ $nModes
set cumulative 0.0
for {set mode 1} {$mode <= $nModes} {incr mode} {
    set cumulative [expr {$cumulative + [lindex $massRatios [expr {$mode - 1}]]}]
    if {$cumulative >= 0.9 && $mode >= $firstJ} {set nEigenJ $mode; break}
}
set omegaI [expr {sqrt([lindex $lambdaN 0])}]
set omegaJ [expr {sqrt([lindex $lambdaN [expr {$nEigenJ - 1}]])}]
set alphaM [expr {$xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)}]
set betaKcomm [expr {2.*$xDamp/($omegaI+$omegaJ)}]
puts "Rayleigh damping on modes 1 and $nEigenJ: alphaM $alphaM betaKcomm $betaKcomm"
rayleigh $alphaM 0 0 $betaKcomm
set dampingFile [open "Damping.txt" "w"]
puts $dampingFile "$nEigenJ $alphaM $betaKcomm"
close $dampingFile
set IDloadTag 1001;
set iGMfile "GMX.txt";
set iGMdirection "1"; 
set iGMfact "0.1";  
set dt 0.02;   
foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { 
incr IDloadTag; 
set GMfatt [expr 1*$iGMfact];  
set AccelSeries "Series -dt $dt -filePath $iGMfile -factor  $GMfatt";
pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $AccelSeries; 
}  
  
constraints Transformation
numberer RCM
system UmfPack
test EnergyIncr 1.0e-4 200
algorithm ModifiedNewton -factorOnce
integrator Newmark 0.5 0.25
analysis Transient
analyze 1000 0.02
